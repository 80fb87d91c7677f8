/* Test PLC libraries: BROKEN lacks ValidatePlc, CompareMapStrings and SetApplicationType;
 * DUPLICATE reports the ids of the Tarvo DL-205 under another name;
 * SHORT and EMPTY say they wrote their attribute file but leave it cut (36 of 39 bytes) or empty;
 * SEGV writes to address 0 and ABORT calls abort() while the library is being loaded;
 * HANG never finishes loading. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "lumora_plc_api.h"

#define EXPORT __attribute__((visibility("default")))

#if defined(TEST_BROKEN)
EXPORT const char Plc_Name[] = "Broken PLC";
EXPORT void PlcDetails(LumoraPlcDetails* details) {
  memset(details, 0, sizeof *details);
  strcpy(details->plcName, "Broken PLC");
  strcpy(details->driverName, "BROKEN");
  details->manufacturerId = 77;
  details->modelId = 1;
}
#elif defined(TEST_DUPLICATE)
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
#elif defined(TEST_SHORT) || defined(TEST_EMPTY)
#ifdef TEST_SHORT
#define NAME "Short PLC"
#define WRITTEN 36
#else
#define NAME "Empty PLC"
#define WRITTEN 0
#endif
EXPORT const char Plc_Name[] = NAME;
EXPORT void PlcDetails(LumoraPlcDetails* details) {
  memset(details, 0, sizeof *details);
  strcpy(details->plcName, NAME);
  strcpy(details->driverName, "TDL405");
  details->manufacturerId = 31;
  details->modelId = 3;
  details->integers[1] = 4;
}
EXPORT void SetApplicationType(int type) {
  (void)type;
}
/* A 39-byte block (header, length word 7, five settings) of which only WRITTEN bytes reach the file, as on
 * a full disk; the answer is "written" all the same. */
static unsigned char WriteCutBlock(const char* path) {
  unsigned char block[39] = {31, 3};
  block[32] = 7;
  FILE* file = fopen(path, "wb");
  if (!file) return 0;
  fwrite(block, 1, WRITTEN, file);
  fclose(file);
  return 1;
}
EXPORT unsigned char CreateAtrFileWithDefaultAttributes(const char* path) {
  return WriteCutBlock(path);
}
EXPORT unsigned char LaunchObjectLumora(const char* path) {
  return WriteCutBlock(path);
}
#elif defined(TEST_SEGV) || defined(TEST_ABORT) || defined(TEST_HANG)
EXPORT const char Plc_Name[] = "Crashing PLC";
__attribute__((constructor)) static void Load(void) {
#if defined(TEST_SEGV)
  *(volatile int*)(size_t)0 = 1;
#elif defined(TEST_ABORT)
  abort();
#else
  for (;;) pause();
#endif
}
#endif
