// A header given in the second call, as public.
#pragma once
#define TWO_PUBLIC 1
