// Layout of the records in a unit memory block that compiled code and the
// kernel share, with small accessors for the unit code.
#ifndef TOVU_LAYOUT_H
#define TOVU_LAYOUT_H

#include <stddef.h>
#include <stdint.h>
#include <string.h>

#include "tovu/zem.h"

namespace tovu::layout {

constexpr size_t kSignalRecordSize = 160;
constexpr size_t kSignalValuePtr = 40;  // signal_record: pointer to the current value
constexpr size_t kDriverRecordSize = 64;
constexpr size_t kDriverObjectPtr = 56;   // driver_record: pointer to the kernel's driver object
constexpr size_t kDriverStagingPtr = 56;  // driver object: pointer to the staging buffer
constexpr size_t kProcessRecordSize = 248;
constexpr size_t kProcessSuspendContext = 0x58;
constexpr size_t kProcessResumeSlot = 192;  // process_record: resume_label_slot
constexpr size_t kProcessWaitPoint = 0xE0;
constexpr size_t kObjectDescriptorSize = 120;  // +0: pointer to the value
constexpr size_t kTypeDescriptorBoundsPtr = 80;
constexpr size_t kSubtypeStorageSize = 108;

// Current value of the signal whose record lies at `off` in `block`.
inline uint8_t *signal_value(char *block, size_t off) {
    uint8_t *p;
    memcpy(&p, block + off + kSignalValuePtr, sizeof p);
    return p;
}
inline void *signal_record(char *block, size_t off) { return block + off; }

// Start of the staging buffer of the driver record at `off`.
inline uint8_t *driver_staging(char *block, size_t off) {
    char *obj;
    memcpy(&obj, block + off + kDriverObjectPtr, sizeof obj);
    uint8_t *buf;
    memcpy(&buf, obj + kDriverStagingPtr, sizeof buf);
    return buf;
}
inline void *driver_record(char *block, size_t off) { return block + off; }

// Value of the constant / generic / table whose object descriptor is at `off`.
template <typename T = uint8_t>
inline T *object_value(char *block, size_t off) {
    T *p;
    memcpy(&p, block + off, sizeof p);
    return p;
}

inline void *process_record(char *block, size_t off) { return block + off; }
inline void *&resume_slot(char *block, size_t process_off) {
    return *reinterpret_cast<void **>(block + process_off + kProcessResumeSlot);
}
inline int32_t &wait_flag(char *block, size_t off) { return *reinterpret_cast<int32_t *>(block + off); }
inline array_bounds *bounds_at(char *block, size_t off) { return reinterpret_cast<array_bounds *>(block + off); }
inline void *type_descriptor(char *block, size_t off) { return block + off; }

inline array_bounds make_bounds(int32_t left, int32_t right, int32_t dir) {
    return array_bounds{left, right, dir, dir * (right - left) + 1};
}

}  // namespace tovu::layout

#endif
