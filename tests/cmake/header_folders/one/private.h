// A header given in the first call, as private.
#pragma once
#define ONE_PRIVATE 1
