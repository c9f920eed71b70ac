# Gives the template that xgettext wrote (POT) the project's own opening comments in
# place of xgettext's placeholders:  cmake -DPOT=FILE -P pot_header.cmake
file(READ ${POT} text)
string(FIND "${text}" "#, fuzzy\n" header_start)
string(SUBSTRING "${text}" ${header_start} -1 rest)
file(WRITE ${POT} "# The texts of Vaulmoor to translate (docs/translating.md says how).
# Copyright (C) The Vaulmoor developers
# This file is distributed under the same license as the Vaulmoor package.
#
${rest}")
