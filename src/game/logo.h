// The boot logo: a mosaic fade in, a second of the clean logo, a fade out.
#pragma once

namespace game {

void PlayLogoSequence();

}  // namespace game
