// The library's C entry points. One session serves the program that loaded the library, from
// InitPropellent to FinalizePropellent.

#include <memory>

#include "propellent_session.h"
#include "toolchain/propellent_abi.h"

#define PROPELLENT_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::unique_ptr<lumora::propellent::PropellentSession>& Session() {
    static std::unique_ptr<lumora::propellent::PropellentSession> session;
    if (!session) {
        session = std::make_unique<lumora::propellent::PropellentSession>();
    }
    return session;
}

}  // namespace

PROPELLENT_EXPORT void InitPropellent(void*, int32_t, int32_t) {
    Session() = std::make_unique<lumora::propellent::PropellentSession>();
}

PROPELLENT_EXPORT const PropellentError* CompileSource(const char* sourcePath, int32_t) {
    return Session()->CompileSource(sourcePath);
}

PROPELLENT_EXPORT const char* DownloadToPropeller(const void*, int32_t) {
    return Session()->DownloadToPropeller();
}

PROPELLENT_EXPORT void FinalizePropellent(void) {
    Session().reset();
}

PROPELLENT_EXPORT void SetCompilerPath(const char* path) {
    Session()->SetCompilerPath(path);
}

PROPELLENT_EXPORT void SetLibraryPath(const char* folder) {
    Session()->SetLibraryPath(folder);
}

PROPELLENT_EXPORT void SetSerialPort(const char* device) {
    Session()->SetSerialPort(device);
}

PROPELLENT_EXPORT void SetLoadToEeprom(int32_t eeprom) {
    Session()->SetLoadToEeprom(eeprom != 0);
}

PROPELLENT_EXPORT void SetExternalLoader(const char* commandLine) {
    Session()->SetExternalLoader(commandLine);
}

PROPELLENT_EXPORT const char* GetDownloadNotes(void) {
    return Session()->DownloadNotes();
}

PROPELLENT_EXPORT const char* GetSerialPorts(void) {
    return Session()->SerialPorts();
}

PROPELLENT_EXPORT int64_t GetImageSize(void) {
    return Session()->ImageSize();
}

PROPELLENT_EXPORT int32_t SaveImage(const char* path) {
    return Session()->SaveImage(path) ? 1 : 0;
}

PROPELLENT_EXPORT const char* DescribeCompiler(void) {
    return Session()->DescribeCompiler();
}
