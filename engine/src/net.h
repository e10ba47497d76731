// Nets, signal views, drivers: the values the simulation computes.
#ifndef TOVU_NET_H
#define TOVU_NET_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "hot_arena.h"
#include "types.h"
#include "waveform.h"

namespace tovu {

struct Net;
struct Process;
struct Driver;

// The kernel object behind a driver_record. The compiled code reaches the
// staging buffer through the pointer at +56.
struct Driver : HotObject {
    // what every zero-delay assignment and update touches: one cache line
    Net *net = nullptr;
    uint8_t *driving = nullptr;  // current driving value of the scope
    uint8_t *pending = nullptr;  // driving value with this delta's zero-delay writes applied
    uint32_t net_first = 0;      // first net element of the driver's scope
    uint32_t count = 0;          // elements in scope
    uint32_t esize = 1;
    uint32_t pending_lo = 0, pending_hi = 0;  // elements with a zero-delay write (empty when lo >= hi)
    bool in_active = false;
    bool has_wave = false;    // !wave.empty()
    bool last_valid = false;  // last_time/first/count describe the latest transaction
    bool sole_source = false;  // the net's only source and the net is not forced: a write of the
                               // value it already drives changes nothing and updates no net
    uint64_t small_mask = 0;     // a value of up to eight bytes: its bytes in a word; 0 when wider
    uint8_t *staging = nullptr;  // +56
    // the rest
    Process *owner = nullptr;
    uint32_t sig_first = 0;         // signal position (from the signal's left) of the scope's first element
    uint32_t sig_count = 0;         // elements of the declared signal
    Waveform wave;  // future transactions, sorted by time
    std::vector<uint8_t> pool;
    int64_t heap_time = -1;  // time of the queue entry this driver relies on, -1 none
    // the last transaction written, for zem_driver_intertial_reject
    int64_t last_time = 0;
    uint32_t last_first = 0, last_count = 0;
    std::string signal_path;
};
static_assert(offsetof(Driver, staging) == 56);

// Where one net element's value comes from.
struct Source {
    Driver *driver;
    uint32_t offset;  // element within the driver's scope
};

struct Sensitivity {
    int32_t *flag;  // the process's sensitivity-wait flag (in its block)
    Process *process;
    uint32_t lo, hi;  // net elements [lo, hi)
};

// A signal that a process waits on inside a subprogram.
struct DynamicWait {
    Process *process;
    const struct SignalView *view;
    uint32_t lo, hi;  // net elements [lo, hi)
};

struct TraceRef {
    int var;
    uint32_t lo, hi;
};

// A net: the storage of one signal and of every port collapsed onto it. The
// fields the cycle uses on every event come first; a net of one element keeps
// its event stamps there too, and a net of up to eight bytes its values.
struct Net : HotObject {
    uint8_t *value = nullptr;       // effective values (stable for the whole run)
    uint8_t *last_value = nullptr;  // each element's value before its last event
    uint64_t event_cycle = 0;       // last cycle with an event on any element
    Driver *sole = nullptr;         // set when one driver covers every element alone
    const Sensitivity *sens = nullptr;  // processes sensitive to elements of this net
    uint32_t sens_count = 0;
    uint32_t count = 0;
    uint32_t esize = 1;
    bool dirty = false;
    bool trace_dirty = false;
    bool has_force = false;    // some element is forced (stimulus)
    bool traced = false;       // written to the waveform
    bool has_dynamic = false;  // some process waits on it inside a subprogram
    // second line
    alignas(8) uint8_t small_value[8] = {};  // the values of a net of up to eight bytes
    uint8_t small_last[8] = {};
    uint32_t dirty_lo = 0, dirty_hi = 0;
    int64_t last_event = INT64_MIN;  // the event time of a one-element net (elem_last_event points here)
    const uint8_t **elem_source = nullptr;  // when every element has one driver (not `sole`): its value
    uint64_t *elem_event_cycle = nullptr;  // per element: last cycle with an event
    int64_t *elem_last_event = nullptr;    // per element: time of the last event
    // cold
    std::vector<TraceRef> traces;
    std::vector<uint8_t> forced;  // per element, 1 when forced (empty: none)
    std::vector<uint8_t> force_value;
    int resolution = -1;
    const struct Resolution *resolver = nullptr;  // the registered function for `resolution`
    const Type *elem_type = nullptr;              // scalar element type
    std::vector<std::vector<Source>> sources;     // per element
    std::vector<Sensitivity> sens_list;           // built during elaboration, then laid into `sens`
    std::vector<struct DynamicWait> dynamic;      // waits of subprograms (zem_add_dynamic_wait)
    std::string name;
};
static_assert(offsetof(Net, small_value) == 64);

// The kernel object behind a signal_record (pointer at +0): a declared
// signal or port, as a range of elements of its net.
struct SignalView : HotObject {
    Net *net = nullptr;
    uint32_t first = 0;
    uint32_t count = 0;
    bool is_whole = false;  // the view covers its whole net
    const Type *type = nullptr;
    std::string path;
    std::vector<uint8_t> init;  // its declared initial value (drivers start from it)
    bool whole() const { return first == 0 && count == net->count; }
};

}  // namespace tovu

#endif
