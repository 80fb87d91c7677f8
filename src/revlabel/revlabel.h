#pragma once
/* The version library. Its one export returns the application's version text.
 *
 * Ownership: GetApplicationVersion returns a string allocated with malloc(). The caller owns it and
 * releases it with free(). Each call returns a new, independent string. */

#ifdef __cplusplus
extern "C" {
#endif

__attribute__((visibility("default"))) char* GetApplicationVersion(void);

#ifdef __cplusplus
}
#endif
