/* Test PLC libraries: BROKEN lacks ValidatePlc, CompareMapStrings and SetApplicationType;
 * DUPLICATE reports the ids of the Tarvo DL-205 under another name. */
#include <string.h>

#include "lumora_plc_api.h"

#define EXPORT __attribute__((visibility("default")))

#ifdef TEST_BROKEN
EXPORT const char Plc_Name[] = "Broken PLC";
EXPORT void PlcDetails(LumoraPlcDetails* details) {
  memset(details, 0, sizeof *details);
  strcpy(details->plcName, "Broken PLC");
  strcpy(details->driverName, "BROKEN");
  details->manufacturerId = 77;
  details->modelId = 1;
}
#else
EXPORT const char Plc_Name[] = "Duplicate DL-205";
EXPORT void PlcDetails(LumoraPlcDetails* details) {
  memset(details, 0, sizeof *details);
  strcpy(details->plcName, "Duplicate DL-205");
  strcpy(details->driverName, "DUP205");
  details->manufacturerId = 31;
  details->modelId = 2;
}
EXPORT void SetApplicationType(int type) {
  (void)type;
}
#endif
