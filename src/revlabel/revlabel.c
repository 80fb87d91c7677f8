#include "revlabel.h"

#include <stdlib.h>
#include <string.h>

static const char kVersion[] = "1.0";

char* GetApplicationVersion(void) {
  char* copy = malloc(sizeof kVersion);
  if (copy) memcpy(copy, kVersion, sizeof kVersion);
  return copy;
}
