// Includes a public and a private header from each of the library's two calls.
#include "one/private.h"
#include "one/public.h"
#include "two/private.h"
#include "two/public.h"

int Sum() {
  return ONE_PUBLIC + ONE_PRIVATE + TWO_PUBLIC + TWO_PRIVATE;
}
