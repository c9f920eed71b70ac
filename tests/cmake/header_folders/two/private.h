// A header given in the second call, as private.
#pragma once
#define TWO_PRIVATE 1
