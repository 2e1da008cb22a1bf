#pragma once

namespace lumora::propeller {

// Why a load did not complete; every kind comes with a message for the user.
enum class LoadFailure {
    kNone,
    kNoSuchPort,
    kPermissionDenied,
    kPortBusy,
    kPortUnusable,  // opened, but not a serial port or cannot be configured
    kNoPortChosen,
    kResetFailed,
    kNoPropeller,
    kWrongHandshake,
    kImageTooLarge,
    kImageInvalid,
    kChecksumRefused,
    kLostDuringLoad,
    kEepromProgramFailed,
    kEepromVerifyFailed,
    kExternalLoaderFailed,
};

}  // namespace lumora::propeller
