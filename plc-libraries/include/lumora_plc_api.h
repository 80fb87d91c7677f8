/* The interface between the Lumora Write Utility and a PLC library.
 *
 * A PLC library is a shared object in <Install Dir>/dll/. The program loads it with dlopen() by its full
 * path and looks up the entry points below by name with dlsym(). Every entry point is optional: the
 * program reports the missing ones (P001, P008, P009) or treats them as failures.
 *
 * Text is single-byte; every string passed in is NUL-terminated. */
#ifndef LUMORA_PLC_API_H
#define LUMORA_PLC_API_H

#ifdef __cplusplus
extern "C" {
#endif

#define LUMORA_PLC_TEXT_SIZE 200       /* every text buffer the program hands to a library */
#define LUMORA_PLC_MAX_ADDRESS_SIZE 16 /* largest encoded address */

/* PlcDetails fills this record. The program uses plcName, driverName, the two ids, texts[3] (the file
 * name of the library's address-format help page, which lies in the dll folder) and integers[0] (the
 * help topic of that page). */
typedef struct LumoraPlcDetails {
  char plcName[LUMORA_PLC_TEXT_SIZE];
  char driverName[LUMORA_PLC_TEXT_SIZE]; /* driver file base name: driver/<name>.plx and .plc */
  unsigned char manufacturerId;
  unsigned char modelId;
  unsigned char thirdId;
  char texts[4][LUMORA_PLC_TEXT_SIZE];
  int integers[7];
  unsigned char bytes[2];
} LumoraPlcDetails;

/* An encoded address. ValidatePlc fills it from an address text; ReBuildAddress turns it back into text. */
typedef struct LumoraPlcAddress {
  unsigned char encoded[LUMORA_PLC_MAX_ADDRESS_SIZE]; /* the first addressSize bytes are the address */
  int accessKind;                                     /* 0 read/write, 1 read only, 2 write only */
  int discrete;                                       /* 1 for a single-bit address */
  char reason[LUMORA_PLC_TEXT_SIZE];                  /* why an address was refused, for the user */
} LumoraPlcAddress;

/* Requested access passed to ValidatePlc. */
enum { LUMORA_ACCESS_READ_WRITE = 0, LUMORA_ACCESS_READ = 1, LUMORA_ACCESS_WRITE = 2 };

/* Value-type codes passed to ValidatePlc: BCD/Int 16 = 8, Binary/Int 16 = 5, BCD/Int 32 = 9,
 * Binary/Int 32 = 6. */

/* Exported data: the PLC's display name. An empty name marks a library that is not a usable PLC library. */
typedef const char LumoraPlcName[];

typedef void (*LumoraPlcDetailsFn)(LumoraPlcDetails* details);
/* Non-zero when the text is a valid address; fills the record. The last two arguments are 0. */
typedef unsigned char (*LumoraValidatePlcFn)(LumoraPlcAddress* address, const char* text, int requestedAccess,
                                             int valueTypeCode, int reserved1, int reserved2);
/* Non-zero on success; `text` receives the canonical address text. Both buffers hold
 * LUMORA_PLC_TEXT_SIZE bytes and arrive zeroed. */
typedef int (*LumoraReBuildAddressFn)(const LumoraPlcAddress* address, char* text, char* second);
/* The attribute block: a 32-byte header (manufacturer id, model id, 30 zero bytes), then the PLC-specific
 * bytes, which begin with their own count: a little-endian 16-bit word that counts itself and the bytes
 * after it. A block is therefore 32 + count bytes long; the program checks every block a library writes
 * against that count, and the multiplexer's attribute stream is cut by it. */
#define LUMORA_PLC_ATTRIBUTE_HEADER_SIZE 32

/* Writes the default attribute block to `path`; non-zero when the whole block was written. */
typedef unsigned char (*LumoraCreateAtrFileFn)(const char* path);
/* Lets the user edit the attribute block in `path` (modal); non-zero when the user accepted, and then the
 * file holds the whole block. */
typedef unsigned char (*LumoraLaunchObjectFn)(const char* path);
/* Negative when `first` goes before `second` in the multiplexer's tag table. */
typedef int (*LumoraCompareMapStringsFn)(const char* first, const char* second);
/* 1 while the attribute editor serves a multiplexer project, 2 otherwise. */
typedef void (*LumoraSetApplicationTypeFn)(int applicationType);

/* CtrlLink.so: non-zero when addresses of the first PLC convert to the second. */
typedef unsigned char (*LumoraIsConvertiblePlcFn)(int manufacturerId, int modelId, int newManufacturerId,
                                                  int newModelId);

#ifdef __cplusplus
}
#endif

#endif /* LUMORA_PLC_API_H */
