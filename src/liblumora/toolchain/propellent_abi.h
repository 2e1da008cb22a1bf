#pragma once

// The C interface of the propellent library, shared by the library and the program that loads
// it. Strings are 8-bit, zero-terminated UTF-8. Every pointer a call returns stays valid until
// the next call into the library.

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

// What CompileSource returns when compilation fails. start and length count characters of the
// file's text with each CR LF taken as one character and each tab as eight.
typedef struct PropellentError {
    const char* file;
    int32_t start;
    int32_t length;
    const char* message;
} PropellentError;

// The four entry points the build sequence needs.
typedef void (*InitPropellentFn)(void* window, int32_t reserved1, int32_t reserved2);
// Null on success; the compiled image is then kept for DownloadToPropeller.
typedef const PropellentError* (*CompileSourceFn)(const char* sourcePath, int32_t flags);
// Null once the image is loaded into the Propeller's RAM, otherwise the reason it was not.
typedef const char* (*DownloadToPropellerFn)(const void* image, int32_t flags);
typedef void (*FinalizePropellentFn)(void);

// Further entry points; a loader treats each as optional.
// An empty or null value restores the library's own choice.
typedef void (*SetCompilerPathFn)(const char* path);
typedef void (*SetLibraryPathFn)(const char* folder);
typedef void (*SetSerialPortFn)(const char* device);
// Nonzero: DownloadToPropeller programs the EEPROM and runs, instead of loading RAM.
typedef void (*SetLoadToEepromFn)(int32_t eeprom);
// A loader program's command line ({image}, {port}, {mode}) to load with instead.
typedef void (*SetExternalLoaderFn)(const char* commandLine);
// What the last DownloadToPropeller noted without failing, one line each, '\n'-ended.
typedef const char* (*GetDownloadNotesFn)(void);
// The serial ports present, one path a line, '\n'-ended.
typedef const char* (*GetSerialPortsFn)(void);
// Size in bytes of the image kept by the last successful compile, or -1.
typedef int64_t (*GetImageSizeFn)(void);
// Writes the kept image; 1 on success, 0 otherwise.
typedef int32_t (*SaveImageFn)(const char* path);
// Which compiler CompileSource would run and where it was found, for the settings dialog.
typedef const char* (*DescribeCompilerFn)(void);

#ifdef __cplusplus
}
#endif
