// A header given in the first call, as public.
#pragma once
#define ONE_PUBLIC 1
