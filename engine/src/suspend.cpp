// A process that waits inside a subprogram (the VITAL concurrent procedures)
// keeps its whole call chain: such a process runs on a stack of its own, and
// zem_saveStackAndSuspend switches back to the kernel's stack, leaving the
// procedure's frames where they are until its wait fires.
#include "suspend.h"

#include <ucontext.h>

#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <vector>

#include "check.h"
#include "kernel.h"
#include "tovu/layout.h"
#include "tovu/testing.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#include <sanitizer/common_interface_defs.h>
#define TOVU_ASAN_FIBERS 1
#endif

namespace tovu {

struct Coroutine {
    ucontext_t ctx;
    std::unique_ptr<char[]> stack;
    size_t size = 0;
    ~Coroutine() {
#ifdef TOVU_ASAN_FIBERS
        // frames left on a stack that never returned keep their red zones
        ASAN_UNPOISON_MEMORY_REGION(stack.get(), size);
#endif
    }
    bool suspended = false;  // waiting inside a subprogram
    bool finished = false;   // the activation returned
    std::exception_ptr failure;
};

namespace {

constexpr size_t kStackSize = 512 * 1024;

ucontext_t g_kernel_ctx;  // where a process's stack switches back to
std::vector<std::unique_ptr<Coroutine>> g_coroutines;
#ifdef TOVU_ASAN_FIBERS
const void *g_kernel_stack_bottom = nullptr;
size_t g_kernel_stack_size = 0;
#endif

// Switches from the kernel's stack to the process's, or back.
void switch_to_process(Coroutine *co) {
#ifdef TOVU_ASAN_FIBERS
    void *fake = nullptr;
    __sanitizer_start_switch_fiber(&fake, co->stack.get(), co->size);
    swapcontext(&g_kernel_ctx, &co->ctx);
    __sanitizer_finish_switch_fiber(fake, nullptr, nullptr);
#else
    swapcontext(&g_kernel_ctx, &co->ctx);
#endif
}

void switch_to_kernel(Coroutine *co, bool for_good) {
#ifdef TOVU_ASAN_FIBERS
    void *fake = nullptr;
    __sanitizer_start_switch_fiber(for_good ? nullptr : &fake, g_kernel_stack_bottom, g_kernel_stack_size);
    swapcontext(&co->ctx, &g_kernel_ctx);
    // back on this stack: note where the kernel's stack is, for the next switch
    __sanitizer_finish_switch_fiber(fake, &g_kernel_stack_bottom, &g_kernel_stack_size);
#else
    (void)for_good;
    swapcontext(&co->ctx, &g_kernel_ctx);
#endif
}

void trampoline() {
#ifdef TOVU_ASAN_FIBERS
    __sanitizer_finish_switch_fiber(nullptr, &g_kernel_stack_bottom, &g_kernel_stack_size);
#endif
    Process *p = K().current;
    Coroutine *co = p->co;
    try {
        p->fn(p->block);
    } catch (...) {
        co->failure = std::current_exception();
    }
    co->finished = true;
    switch_to_kernel(co, true);
}

Process *process_of(void *record) {
    Process *p;
    std::memcpy(&p, record, sizeof p);
    return p;
}

}  // namespace

void give_own_stack(Process *p) {
    auto co = std::make_unique<Coroutine>();
    co->size = kStackSize;
    co->stack.reset(new char[kStackSize]);
    p->co = co.get();
    g_coroutines.push_back(std::move(co));
}

void release_coroutines() { g_coroutines.clear(); }

void run_on_own_stack(Process *p) {
    Coroutine *co = p->co;
    if (!co->suspended) {
        // a fresh activation from the process function's start
        getcontext(&co->ctx);
        co->ctx.uc_stack.ss_sp = co->stack.get();
        co->ctx.uc_stack.ss_size = co->size;
        co->ctx.uc_link = nullptr;
        makecontext(&co->ctx, trampoline, 0);
        co->finished = false;
    }
    co->suspended = false;
    switch_to_process(co);
    if (co->failure) {
        std::exception_ptr e = co->failure;
        co->failure = nullptr;
        std::rethrow_exception(e);
    }
}

void wake_dynamic(Net *n, uint32_t lo, uint32_t hi) {
    for (const DynamicWait &w : n->dynamic) {
        if (w.lo >= hi || w.hi <= lo) continue;
        WaitPoint *wp = w.process->wait_point;
        if (wp->status != 1) continue;
        wp->status = 0;  // fired: later events do not queue it again
        K().run_list.push_back(w.process);
    }
}

}  // namespace tovu

using namespace tovu;

extern "C" {

void zem_add_dynamic_wait(void *process_record, void *signal_record, uint32_t position, uint32_t count) {
    Process *p = process_of(process_record);
    const SignalView *v;
    std::memcpy(&v, signal_record, sizeof v);
    if (count == 0) return;  // a null vector: no element can have an event
    if (position > v->count || count > v->count - position)
        fail_check("wait on elements " + std::to_string(position) + " to " +
                   std::to_string(static_cast<uint64_t>(position) + count - 1) + " of " + v->path + ", which has " +
                   std::to_string(v->count));
    Net *n = v->net;
    n->dynamic.push_back({p, v, v->first + position, v->first + position + count});
    n->has_dynamic = true;
}

void zem_remove_dynamic_wait(void *process_record, void *signal_record) {
    Process *p = process_of(process_record);
    const SignalView *v;
    std::memcpy(&v, signal_record, sizeof v);
    auto &d = v->net->dynamic;
    for (size_t i = 0; i < d.size();)
        if (d[i].process == p && d[i].view == v)
            d.erase(d.begin() + static_cast<long>(i));
        else
            ++i;
    v->net->has_dynamic = !d.empty();
}

void zem_wp_set_status(void *wait_point, int32_t status) { static_cast<WaitPoint *>(wait_point)->status = status; }

void zem_saveStackAndSuspend(void *process_record) {
    Process *p = process_of(process_record);
    if (!p->co)
        fail_check("process " + p->path +
                   " waits inside a subprogram but its design data gives it no stack of its own ('stack')");
    if (p->co->suspended || K().current != p) fail_check("process " + p->path + " suspends outside its activation");
    p->co->suspended = true;
    switch_to_kernel(p->co, false);
    // resumed: the wait fired and the kernel switched back to this stack
}

}  // extern "C"
