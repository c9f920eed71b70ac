# make_tune: writes a standard MIDI file from a readable note list (data/tune.mid
# is made from tools/tune/cellar_waltz.txt).
add_executable(make_tune ${CMAKE_CURRENT_LIST_DIR}/make_tune.cpp)
