// Builds unit blocks from design data and the instance tree from the top unit.
#include "elaborate.h"

#include "suspend.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

namespace tovu {

namespace {

constexpr uint32_t kSignalRecordSize = 160;
constexpr uint32_t kSignalValuePtr = 40;
constexpr uint32_t kDriverRecordSize = 64;
constexpr uint32_t kDriverObjectPtr = 56;
constexpr uint32_t kProcessRecordSize = 248;
constexpr uint32_t kProcessSuspendContext = 0x58;
constexpr uint32_t kProcessWaitPoint = 0xE0;
constexpr uint32_t kObjectDescriptorSize = 120;

[[noreturn]] void fail(const Unit &u, int line, const std::string &msg) {
    throw ElabError(u.desc->file + ":" + std::to_string(line) + ": error: " + msg);
}

void put_ptr(char *where, const void *p) { memcpy(where, &p, sizeof p); }

// Records which bytes of a block are taken, to catch objects that overlap or
// fall outside the block.
class Extents {
public:
    Extents(const Unit &u) : u_(u) {}
    void take(uint64_t off, uint64_t size, int line, const std::string &what) {
        if (off + size > u_.desc->block_size)
            fail(u_, line,
                 what + " at " + hex(off) + " (" + std::to_string(size) + " bytes) lies outside the block of " +
                     std::to_string(u_.desc->block_size) + " bytes");
        if (size) items_.push_back({off, off + size, line, what});
    }
    void check() {
        std::sort(items_.begin(), items_.end(), [](const Item &a, const Item &b) { return a.lo < b.lo; });
        for (size_t i = 1; i < items_.size(); ++i) {
            if (items_[i].lo < items_[i - 1].hi)
                fail(u_, items_[i].line,
                     items_[i].what + " at " + hex(items_[i].lo) + " overlaps " + items_[i - 1].what + " (line " +
                         std::to_string(items_[i - 1].line) + ")");
        }
    }
    static std::string hex(uint64_t v) {
        char b[32];
        snprintf(b, sizeof b, "0x%llx", static_cast<unsigned long long>(v));
        return b;
    }

private:
    struct Item {
        uint64_t lo, hi;
        int line;
        std::string what;
    };
    const Unit &u_;
    std::vector<Item> items_;
};

uint8_t *copy_value(const std::vector<uint8_t> &v) {
    uint8_t *p = alloc_bytes(std::max<size_t>(v.size(), 1));
    if (!v.empty()) memcpy(p, v.data(), v.size());
    return p;
}

class Elaborator {
public:
    void packages() {
        for (auto &u : K().units) resolve_unit_types(*u);
        for (auto &u : K().units)
            if (u->desc->is_package) package(*u);
    }

    void top(const std::string &name) {
        auto it = K().unit_by_name.find(name);
        if (it == K().unit_by_name.end()) throw ElabError("error: top unit '" + name + "' was not registered");
        Unit &u = *it->second;
        if (u.desc->is_package) fail(u, u.desc->unit_line, "top unit '" + name + "' is a package");
        std::map<std::string, PortBinding> none;
        instantiate(u, u.desc->entity, {}, none, Origin{&u, u.desc->unit_line});
    }

    void finish_nets() {
        size_t most_source_bytes = 0;  // of any one element with several sources
        for (auto &n : K().nets) {
            Net &net = *n;
            bool sole = !net.sources.empty();
            Driver *first = nullptr;
            for (uint32_t e = 0; e < net.count; ++e) {
                auto &src = net.sources[e];
                if (src.size() > 1) most_source_bytes = std::max(most_source_bytes, src.size() * net.esize);
                if (src.size() != 1)
                    sole = false;
                else if (!first)
                    first = src[0].driver;
                else if (src[0].driver != first)
                    sole = false;
            }
            if (net.resolution >= 0) net.resolver = &K().resolutions.at(net.resolution);
            if (sole && first && first->count == net.count) {
                net.sole = first;
                first->sole_source = true;
            }
            bool single = net.count > 0 && !net.sole;
            for (uint32_t e = 0; e < net.count && single; ++e) single = net.sources[e].size() == 1;
            if (single) {
                // each element has one driver of its own: its value is where that driver keeps it
                auto *src = static_cast<const uint8_t **>(hot_alloc(sizeof(uint8_t *) * net.count, 8));
                for (uint32_t e = 0; e < net.count; ++e) {
                    const Source &s = net.sources[e][0];
                    src[e] = s.driver->driving + static_cast<size_t>(s.offset) * net.esize;
                }
                net.elem_source = src;
            }
            if (!net.sens_list.empty()) {
                auto *arr = static_cast<Sensitivity *>(hot_alloc(sizeof(Sensitivity) * net.sens_list.size(), 8));
                std::copy(net.sens_list.begin(), net.sens_list.end(), arr);
                net.sens = arr;
                net.sens_count = static_cast<uint32_t>(net.sens_list.size());
            }
        }
        K().resolution_scratch.assign(most_source_bytes, 0);
    }

private:
    // Where an instance is made: the parent's 'inst' statement (for the top
    // instance, its own 'unit' statement). Faults of the instance's generic
    // values and port associations are blamed there.
    struct Origin {
        const Unit *unit;
        int line;
    };
    [[noreturn]] static void fail_at(const Origin &o, const std::string &msg) { fail(*o.unit, o.line, msg); }

    struct PortBinding {
        SignalView *actual = nullptr;  // element range of the parent's net
        uint32_t first = 0, count = 0;
        std::vector<uint8_t> value;  // a value actual
        bool has_value = false;
    };

    // Objects common to packages and architectures.
    void statics(Unit &u, char *block, Extents &ext, Instance *inst) {
        for (const ObjectDecl &o : u.desc->objects) {
            switch (o.kind) {
                case ObjKind::TypeDesc: {
                    const Type *t = lookup_type(u, o.type, o.line);
                    ext.take(o.offset, type_descriptor_size(t), o.line, "type descriptor");
                    write_type_descriptor(block + o.offset, t);
                    break;
                }
                case ObjKind::Const: {
                    const Type *t = lookup_type(u, o.type, o.line);
                    ext.take(o.offset, kObjectDescriptorSize, o.line, "constant " + o.name);
                    if (o.value.is_call()) {
                        if (!t->is_array() || !t->constrained)
                            fail(u, o.line, "a computed constant needs a constrained array type");
                        uint8_t *p = alloc_bytes(t->size);
                        put_ptr(block + o.offset, p);
                        defer(u, inst, o.value, t, p, o.line, nullptr);
                        if (inst) inst->values[o.name] = p;
                        break;
                    }
                    std::vector<uint8_t> v = value(u, o.value, t, o.line);
                    uint8_t *p = copy_value(v);
                    put_ptr(block + o.offset, p);
                    if (inst) inst->values[o.name] = p;
                    break;
                }
                case ObjKind::Var:
                case ObjKind::Lit: {
                    const Type *t = lookup_type(u, o.type, o.line);
                    std::vector<uint8_t> v = value(u, o.value, t, o.line);
                    ext.take(o.offset, v.size(), o.line, o.kind == ObjKind::Var ? "variable " + o.name : "literal");
                    memcpy(block + o.offset, v.data(), v.size());
                    break;
                }
                case ObjKind::Text:
                case ObjKind::Bytes:
                    ext.take(o.offset, o.bytes.size(), o.line, o.kind == ObjKind::Text ? "text" : "bytes");
                    if (!o.bytes.empty()) memcpy(block + o.offset, o.bytes.data(), o.bytes.size());
                    break;
                case ObjKind::Bounds:
                    ext.take(o.offset, 16, o.line, "bounds");
                    memcpy(block + o.offset, o.bnd, 16);
                    break;
                case ObjKind::Generic: break;  // per instance, below
            }
        }
    }

    std::vector<uint8_t> value(Unit &u, const ValueText &v, const Type *t, int line) {
        std::vector<uint8_t> out;
        std::string err;
        if (v.empty()) {
            if (!t->is_array() || t->constrained) {
                out.resize(t->size);
                t->fill_default(out.data());
                return out;
            }
            fail(u, line, "a value is needed for an unconstrained type");
        }
        if (!parse_value_tokens(v.toks, t, out, err)) fail(u, line, err);
        return out;
    }

    void defer(Unit &u, Instance *inst, const ValueText &v, const Type *t, uint8_t *target, int line,
               SignalView *view) {
        // call se[K](A, B)
        const auto &tk = v.toks;
        auto bad = [&]() { fail(u, line, "expected call se[K](NAME, NAME)"); };
        if (tk.size() < 7 || tk[1].text != "se" || tk[2].text != "[" || tk[3].kind != Tok::Number ||
            tk[4].text != "]" || tk[5].text != "(")
            bad();
        if (tk[3].num < 0 || tk[3].num >= u.desc->se_count)
            fail(u, line,
                 "se index " + std::to_string(tk[3].num) + " is outside 0 to " +
                     std::to_string(static_cast<int64_t>(u.desc->se_count) - 1) +
                     " (counts se=" + std::to_string(u.desc->se_count) + ")");
        DeferredCall c;
        c.unit = &u;
        c.inst = inst;
        c.slot = static_cast<uint32_t>(tk[3].num);
        if (!u.se[c.slot]) fail(u, line, "entry " + std::to_string(c.slot) + " of the subprogram table is empty");
        size_t i = 6;
        while (i < tk.size() && tk[i].text != ")") {
            if (tk[i].kind != Tok::Ident) bad();
            const std::string &name = tk[i].text;
            if (!inst || !inst->values.count(name)) fail(u, line, "unknown generic or constant '" + name + "' in call");
            const Type *at = nullptr;
            for (const ObjectDecl &o : u.desc->objects)
                if (o.name == name && (o.kind == ObjKind::Generic || o.kind == ObjKind::Const))
                    at = lookup_type(u, o.type, o.line);
            if (!at || (at->kind != TypeKind::Integer && at->kind != TypeKind::Real))
                fail(u, line, "call arguments must be INTEGER or REAL generics or constants");
            c.args.emplace_back(at, inst->values[name]);
            ++i;
            if (i < tk.size() && tk[i].text == ",") ++i;
        }
        if (i + 1 != tk.size()) bad();
        if (c.args.size() != 2 || c.args[0].first->kind != TypeKind::Integer)
            fail(u, line, "a computed value takes (INTEGER, INTEGER) or (INTEGER, REAL) arguments");
        c.target = target;
        c.size = t->size;
        if (view) c.views.push_back(view);
        c.where = u.desc->file + ":" + std::to_string(line);
        K().deferred.push_back(std::move(c));
    }

    Net *new_net(const std::string &name, const Type *t, const std::vector<uint8_t> &init, Unit &u, int line) {
        if (t->kind == TypeKind::Record || t->kind == TypeKind::Access)
            fail(u, line, "signals of record or access type are not supported");
        if (t->is_array() && !t->constrained) fail(u, line, "signal " + name + " needs a constrained type");
        auto n = std::make_unique<Net>();
        n->name = name;
        n->count = t->scalar_count();
        n->esize = t->scalar_size();
        n->elem_type = t->scalar_type();
        n->resolution = n->elem_type->resolution;
        if (n->resolution >= 0 && !K().resolutions.count(n->resolution))
            fail(u, line,
                 "signal " + name + " needs resolution function " + std::to_string(n->resolution) +
                     ", which no unit registered");
        size_t bytes = static_cast<size_t>(n->count) * n->esize;
        if (bytes <= sizeof n->small_value) {
            n->value = n->small_value;
            n->last_value = n->small_last;
        } else {
            n->value = static_cast<uint8_t *>(hot_alloc(bytes + 8, 8));
            n->last_value = static_cast<uint8_t *>(hot_alloc(bytes + 8, 8));
        }
        if (!init.empty()) memcpy(n->value, init.data(), bytes);
        if (n->count == 1) {
            // the net's own event cycle is its element's
            n->elem_event_cycle = &n->event_cycle;
            n->elem_last_event = &n->last_event;
        } else {
            n->elem_event_cycle = static_cast<uint64_t *>(hot_alloc(8 * static_cast<size_t>(n->count), 8));
            n->elem_last_event = static_cast<int64_t *>(hot_alloc(8 * static_cast<size_t>(n->count), 8));
        }
        for (uint32_t e = 0; e < n->count; ++e) n->elem_last_event[e] = INT64_MIN;
        n->sources.resize(n->count);
        Net *raw = n.get();
        K().nets.push_back(std::move(n));
        return raw;
    }

    SignalView *new_view(Net *net, uint32_t first, uint32_t count, const Type *t, const std::string &path,
                         std::vector<uint8_t> init) {
        auto v = std::make_unique<SignalView>();
        v->net = net;
        v->first = first;
        v->count = count;
        v->is_whole = first == 0 && count == net->count;
        v->type = t;
        v->path = path;
        v->init = std::move(init);
        SignalView *raw = v.get();
        K().views.push_back(std::move(v));
        K().signal_by_path[path] = raw;
        return raw;
    }

    void write_signal_record(char *block, uint32_t off, SignalView *v) {
        put_ptr(block + off, v);
        put_ptr(block + off + kSignalValuePtr, v->net->value + static_cast<size_t>(v->first) * v->net->esize);
    }

    void package(Unit &u) {
        char *block = reinterpret_cast<char *>(alloc_bytes(u.desc->block_size));
        u.package_block = block;
        Extents ext(u);
        statics(u, block, ext, nullptr);
        for (const ObjectDecl &o : u.desc->objects)
            if (o.kind == ObjKind::Generic) fail(u, o.line, "a package has no generics");
        for (const SignalDecl &s : u.desc->signals) {
            if (s.mode != PortMode::Internal) fail(u, s.line, "a package signal must be 'sig'");
            const Type *t = lookup_type(u, s.type, s.line);
            if (s.init.is_call()) fail(u, s.line, "a package signal cannot have a computed value");
            std::vector<uint8_t> init = value(u, s.init, t, s.line);
            std::string path = u.name + "/" + s.name;
            Net *net = new_net(path, t, init, u, s.line);
            SignalView *v = new_view(net, 0, net->count, t, path, init);
            uint32_t off = u.desc->sigbase + s.num * kSignalRecordSize;
            ext.take(off, kSignalRecordSize, s.line, "signal " + s.name);
            write_signal_record(block, off, v);
            u.package_signals.push_back(v);
        }
        if (!u.desc->processes.empty() || !u.desc->drivers.empty() || !u.desc->instances.empty())
            fail(u,
                 u.desc->processes.empty()
                     ? (u.desc->drivers.empty() ? u.desc->instances[0].line : u.desc->drivers[0].line)
                     : u.desc->processes[0].line,
                 "a package has no processes, drivers or instances");
        ext.check();
    }

    SignalView *find_signal(Unit &u, Instance &inst, const SignalRef &r, int line) {
        if (!r.unit.empty()) {
            auto it = K().unit_by_name.find(r.unit);
            if (it == K().unit_by_name.end()) fail(u, line, "unknown unit '" + r.unit + "'");
            for (SignalView *v : it->second->package_signals)
                if (v->path == r.unit + "/" + r.name) return v;
            fail(u, line, "unit " + r.unit + " has no signal " + r.name);
        }
        auto it = inst.signals.find(r.name);
        if (it == inst.signals.end()) fail(u, line, "unknown signal '" + r.name + "'");
        return it->second;
    }

    void range_of(Unit &u, SignalView *v, const SignalRef &r, int line, uint32_t &first, uint32_t &count) {
        std::string err;
        if (!element_range(v->type, r, first, count, err)) fail(u, line, err);
    }

    void instantiate(Unit &u, const std::string &path, const std::map<std::string, std::vector<uint8_t>> &generics,
                     std::map<std::string, PortBinding> &ports, const Origin &origin) {
        const bool is_top = chain_.empty();
        auto instp = std::make_unique<Instance>();
        Instance &inst = *instp;
        inst.path = path;
        inst.unit = &u;
        ChainLink link(chain_, inst);
        char *block = reinterpret_cast<char *>(alloc_bytes(u.desc->block_size));
        inst.block = block;
        K().instances.push_back(std::move(instp));
        Extents ext(u);

        // generics first: constants and computed values may use them
        for (const ObjectDecl &o : u.desc->objects) {
            if (o.kind != ObjKind::Generic) continue;
            const Type *t = lookup_type(u, o.type, o.line);
            std::vector<uint8_t> v;
            auto g = generics.find(o.name);
            if (g != generics.end())
                v = g->second;
            else if (!o.value.empty())
                v = value(u, o.value, t, o.line);
            else
                fail_at(is_top ? Origin{&u, o.line} : origin, "generic " + o.name + " of " + path + " has no value");
            uint8_t *p = copy_value(v);
            inst.values[o.name] = p;
            if (o.offset >= 0) {
                ext.take(o.offset, kObjectDescriptorSize, o.line, "generic " + o.name);
                put_ptr(block + o.offset, p);
            }
        }
        for (const auto &g : generics) {
            bool known = false;
            for (const ObjectDecl &o : u.desc->objects) known |= o.kind == ObjKind::Generic && o.name == g.first;
            if (!known) fail_at(origin, path + ": unit has no generic '" + g.first + "'");
        }
        statics(u, block, ext, &inst);

        // signals and ports
        std::vector<SignalView *> bound_outputs;  // output ports that drive an actual of the parent
        for (const SignalDecl &s : u.desc->signals) {
            const Type *t = lookup_type(u, s.type, s.line);
            std::string spath = path + "/" + s.name;
            uint32_t off = u.desc->sigbase + s.num * kSignalRecordSize;
            ext.take(off, kSignalRecordSize, s.line, "signal " + s.name);
            if (inst.signals.count(s.name)) fail(u, s.line, "signal " + s.name + " declared twice");
            std::vector<uint8_t> init;
            bool computed = s.init.is_call();
            if (!computed)
                init = value(u, s.init, t, s.line);
            else {
                if (!t->is_array() || !t->constrained)
                    fail(u, s.line, "a computed value needs a constrained array type");
                init.assign(t->size, 0);
            }
            SignalView *v = nullptr;
            auto pb = ports.find(s.name);
            if (s.mode != PortMode::Internal && pb != ports.end() && pb->second.actual) {
                PortBinding &b = pb->second;
                if (b.count != t->scalar_count() || b.actual->net->esize != t->scalar_size())
                    fail_at(origin, "port " + s.name + " of " + path + " has " + std::to_string(t->scalar_count()) +
                                        " elements, its actual has " + std::to_string(b.count));
                v = new_view(b.actual->net, b.actual->first + b.first, b.count, t, spath, init);
                if (drives_actual(s.mode)) {
                    note_sources(b.actual, b.first, b.count);
                    bound_outputs.push_back(v);
                }
            } else {
                if (s.mode != PortMode::Internal && pb != ports.end() && pb->second.has_value) {
                    if (s.mode != PortMode::In)
                        fail_at(origin, "port " + s.name + " of " + path + " is not an input: it cannot take a value");
                    init = pb->second.value;
                }
                Net *net = new_net(spath, t, init, u, s.line);
                v = new_view(net, 0, net->count, t, spath, init);
            }
            if (s.mode != PortMode::Internal) ports.erase(s.name);
            write_signal_record(block, off, v);
            inst.signals[s.name] = v;
            if (computed)
                defer(u, &inst, s.init, t, v->net->value + static_cast<size_t>(v->first) * v->net->esize, s.line, v);
        }
        if (!ports.empty()) fail_at(origin, path + ": unit has no port '" + ports.begin()->first + "'");

        // processes
        if (u.desc->pe_count && !u.pe)
            fail(u, u.desc->counts_line,
                 "counts pe=" + std::to_string(u.desc->pe_count) + " but no process table was registered");
        std::map<uint32_t, Process *> procs;
        for (const ProcessDecl &pd : u.desc->processes) {
            if (pd.num >= u.desc->pe_count)
                fail(u, pd.line,
                     "process " + std::to_string(pd.num) + " is beyond pe=" + std::to_string(u.desc->pe_count));
            if (procs.count(pd.num)) fail(u, pd.line, "process " + std::to_string(pd.num) + " declared twice");
            auto p = std::make_unique<Process>();
            p->fn = reinterpret_cast<zem_process_fn>(u.pe[pd.num]);
            if (!p->fn) fail(u, pd.line, "process table entry " + std::to_string(pd.num) + " is empty");
            p->block = block;
            ext.take(pd.record, kProcessRecordSize, pd.line, "process record " + std::to_string(pd.num));
            p->record = block + pd.record;
            put_ptr(p->record, p.get());
            if (pd.flag >= 0) {
                ext.take(static_cast<uint64_t>(pd.flag), 4, pd.line, "flag of process " + std::to_string(pd.num));
                p->flag = reinterpret_cast<int32_t *>(block + pd.flag);
            }
            p->path = path + "/" + (pd.name.empty() ? "p_" + std::to_string(pd.num) : pd.name);
            // what a subprogram that waits inside the process reaches through its record
            put_ptr(p->record + kProcessSuspendContext, alloc_bytes(kSuspendContextSize));
            auto *wp = reinterpret_cast<WaitPoint *>(alloc_bytes(sizeof(WaitPoint)));
            wp->process = p.get();
            p->wait_point = wp;
            put_ptr(p->record + kProcessWaitPoint, wp);
            if (pd.own_stack) give_own_stack(p.get());
            for (const SignalRef &r : pd.sens) {
                SignalView *v = find_signal(u, inst, r, pd.line);
                uint32_t first = 0, count = v->count;
                if (r.indexed || r.slice) range_of(u, v, r, pd.line, first, count);
                // without a flag the process never waits on its sensitivity list
                if (p->flag) v->net->sens_list.push_back({p->flag, p.get(), v->first + first, v->first + first + count});
            }
            procs[pd.num] = p.get();
            K().processes.push_back(std::move(p));
        }

        // drivers
        for (const DriverDecl &d : u.desc->drivers) {
            auto pit = procs.find(d.process);
            if (pit == procs.end()) fail(u, d.line, "driver of undeclared process p" + std::to_string(d.process));
            SignalView *v = find_signal(u, inst, d.target, d.line);
            uint32_t first = 0, count = v->count;
            if (d.target.indexed || d.target.slice) range_of(u, v, d.target, d.line, first, count);
            ext.take(d.offset, kDriverRecordSize, d.line, "driver record");
            Driver &dr = new_driver(*v, first, count, pit->second);
            for (uint32_t i = 0; i < count; ++i) {
                auto &sources = v->net->sources[dr.net_first + i];
                for (const Source &s : sources)
                    if (s.driver->owner == dr.owner)
                        fail(u, d.line,
                             "process p" + std::to_string(d.process) + " has two drivers on element " +
                                 std::to_string(first + i) + " of " + v->path);
                if (!sources.empty() && v->net->resolution < 0)
                    fail(u, d.line,
                         "signal " + v->net->name + " has 2 drivers on element " + std::to_string(dr.net_first + i) +
                             " but its type is not resolved (drivers: " + source_name(*sources[0].driver) + ", " +
                             dr.owner->path + ")");
                sources.push_back({&dr, i});
            }
            note_sources(v, first, count);
            put_ptr(block + d.offset + kDriverObjectPtr, &dr);
        }
        ext.check();
        for (uint32_t n = 0; n < u.desc->pe_count; ++n)
            if (!procs.count(n))
                fail(
                    u, u.desc->counts_line,
                    "process " + std::to_string(n) + " of pe=" + std::to_string(u.desc->pe_count) + " is not declared");

        // child instances
        for (const InstanceDecl &id : u.desc->instances) {
            auto cit = K().unit_by_name.find(id.unit);
            if (cit == K().unit_by_name.end())
                fail(u, id.line, "unknown unit '" + id.unit + "' in instance " + id.label);
            Unit &child = *cit->second;
            if (child.desc->is_package) fail(u, id.line, "instance " + id.label + " names a package");
            refuse_cycle(u, id, child, path + "/" + id.label);
            std::map<std::string, std::vector<uint8_t>> gvals;
            for (const auto &g : id.generics) {
                const ObjectDecl *gd = nullptr;
                for (const ObjectDecl &o : child.desc->objects)
                    if (o.kind == ObjKind::Generic && o.name == g.first) gd = &o;
                if (!gd) fail(u, id.line, "unit " + id.unit + " has no generic '" + g.first + "'");
                const Type *gt = lookup_type(child, gd->type, gd->line);
                std::vector<uint8_t> v;
                std::string err;
                if (!parse_value_tokens(g.second.toks, gt, v, err)) fail(u, id.line, "generic " + g.first + ": " + err);
                gvals[g.first] = v;
            }
            std::map<std::string, PortBinding> binds;
            for (const PortAssoc &a : id.ports) {
                const SignalDecl *formal = nullptr;
                for (const SignalDecl &s : child.desc->signals)
                    if (s.name == a.formal && s.mode != PortMode::Internal) formal = &s;
                if (!formal) fail(u, id.line, "unit " + id.unit + " has no port '" + a.formal + "'");
                if (binds.count(a.formal)) fail(u, id.line, "port " + a.formal + " associated twice");
                PortBinding b;
                if (a.open) {
                    binds[a.formal] = b;
                    continue;
                }
                if (a.is_value) {
                    const Type *ft = lookup_type(child, formal->type, formal->line);
                    std::string err;
                    if (!parse_value_tokens(a.value.toks, ft, b.value, err))
                        fail(u, id.line, "port " + a.formal + ": " + err);
                    b.has_value = true;
                } else {
                    SignalView *v = find_signal(u, inst, a.actual, id.line);
                    b.actual = v;
                    b.count = v->count;
                    if (a.actual.indexed || a.actual.slice) range_of(u, v, a.actual, id.line, b.first, b.count);
                }
                binds[a.formal] = std::move(b);
            }
            instantiate(child, path + "/" + id.label, gvals, binds, Origin{&u, id.line});
        }
        // every source of this instance's ports is known now
        for (SignalView *port : bound_outputs) drive_default_where_sourceless(*port, origin);
    }

    // The instances being elaborated, from the top down to the current one.
    struct ChainLink {
        ChainLink(std::vector<const Instance *> &c, const Instance &inst) : chain(c) { chain.push_back(&inst); }
        ~ChainLink() { chain.pop_back(); }
        std::vector<const Instance *> &chain;
    };

    // An instance of a unit that is already on the chain would contain
    // itself without end: refused at its 'inst' statement, naming the cycle
    // from the instance of that unit down to the new one.
    void refuse_cycle(const Unit &u, const InstanceDecl &id, const Unit &child, const std::string &child_path) {
        auto first = std::find_if(chain_.begin(), chain_.end(), [&](const Instance *a) { return a->unit == &child; });
        if (first == chain_.end()) return;
        std::string cycle;
        for (auto it = first; it != chain_.end(); ++it) cycle += (*it)->path + " (" + (*it)->unit->name + ") -> ";
        fail(u, id.line,
             "instance " + id.label + " makes a cycle of units: " + cycle + child_path + " (" + child.name + ")");
    }

    // Ports of these modes are sources of their actuals.
    static bool drives_actual(PortMode m) { return m == PortMode::Out || m == PortMode::Inout; }

    // Elements [first, first + count) of a signal or port have a source: a
    // driver of its own instance, or an output port of a child instance that
    // is associated with them.
    void note_sources(const SignalView *v, uint32_t first, uint32_t count) {
        std::vector<bool> &marks = sourced_[v];
        if (marks.empty()) marks.assign(v->count, false);
        std::fill_n(marks.begin() + first, count, true);
    }

    // An output port with no source on an element drives that element of
    // its actual with its default value: a source of the net that never
    // changes, next to the net's other sources (resolved with them when the
    // net is resolved). The value is the port's declared initial value, which
    // every driver starts from (computed values included).
    void drive_default_where_sourceless(SignalView &port, const Origin &origin) {
        auto it = sourced_.find(&port);
        const std::vector<bool> *marks = it == sourced_.end() ? nullptr : &it->second;
        Driver *dflt = nullptr;
        for (uint32_t i = 0; i < port.count; ++i) {
            if (marks && (*marks)[i]) continue;
            if (!dflt) dflt = &new_driver(port, 0, port.count, nullptr);  // a source that keeps its default
            auto &sources = port.net->sources[port.first + i];
            if (!sources.empty() && port.net->resolution < 0)
                fail_at(origin, "signal " + port.net->name + " has 2 sources on element " +
                                    std::to_string(port.first + i) + " but its type is not resolved (sources: " +
                                    source_name(*sources[0].driver) + ", " + source_name(*dflt) + ")");
            sources.push_back({dflt, i});
        }
    }

    // A driver of elements [first, first + count) of signal v, owned by a
    // process (none: a port's default value); the kernel keeps it.
    Driver &new_driver(const SignalView &v, uint32_t first, uint32_t count, Process *owner) {
        auto drv = std::make_unique<Driver>();
        Driver &dr = *drv;
        dr.net = v.net;
        dr.esize = v.net->esize;
        dr.net_first = v.first + first;
        dr.count = count;
        dr.sig_first = first;
        dr.sig_count = v.count;
        dr.owner = owner;
        dr.signal_path = v.path;
        size_t scope = static_cast<size_t>(count) * dr.esize;
        if (scope > 0 && scope <= 8) dr.small_mask = scope == 8 ? ~uint64_t{0} : (uint64_t{1} << (8 * scope)) - 1;
        size_t whole = static_cast<size_t>(v.count) * dr.esize;
        dr.driving = static_cast<uint8_t *>(hot_alloc(std::max<size_t>(scope, 8), 8));
        dr.pending = static_cast<uint8_t *>(hot_alloc(std::max<size_t>(scope, 8), 8));
        dr.staging = static_cast<uint8_t *>(hot_alloc(std::max<size_t>(whole, 16), 16));
        K().drivers.push_back(std::move(drv));
        return dr;
    }

    static std::string source_name(const Driver &d) {
        return d.owner ? d.owner->path : "the default value of port " + d.signal_path;
    }

    std::unordered_map<const SignalView *, std::vector<bool>> sourced_;
    std::vector<const Instance *> chain_;
};

}  // namespace

bool element_range(const Type *t, const SignalRef &r, uint32_t &first, uint32_t &count, std::string &error) {
    if (!t->is_array() || !t->constrained) {
        error = "signal " + r.name + " is not an array and cannot be indexed";
        return false;
    }
    uint32_t per = t->elem->scalar_count();
    auto pos = [&](int32_t i, int64_t &p) {
        p = static_cast<int64_t>(t->dir) * (static_cast<int64_t>(i) - t->left);
        return p >= 0 && p < static_cast<int64_t>(t->length);
    };
    int64_t pl, pr;
    if (!pos(r.left, pl) || !pos(r.right, pr)) {
        error = "index " + std::to_string(pos(r.left, pl) ? r.right : r.left) + " is outside " + r.name + "'s range " +
                std::to_string(t->left) + (t->dir > 0 ? " to " : " downto ") + std::to_string(t->right);
        return false;
    }
    if (r.slice && r.dir != t->dir) {
        error = "slice of " + r.name + " runs against the signal's direction";
        return false;
    }
    if (pr < pl) {
        error = "null slice of " + r.name;
        return false;
    }
    first = static_cast<uint32_t>(pl) * per;
    count = static_cast<uint32_t>(pr - pl + 1) * per;
    return true;
}

// A resolution function is called with the block of the unit that declares
// it: the unit whose subprogram table holds it (the registering unit when no
// table does), so a unit may register another unit's function.
void bind_resolution_blocks() {
    for (auto &[number, r] : K().resolutions) {
        for (auto &u : K().units) {
            if (!u->se || !u->package_block) continue;
            for (uint32_t slot = 0; slot < u->desc->se_count; ++slot) {
                if (u->se[slot] == reinterpret_cast<void *>(r.fn)) {
                    r.unit = u.get();
                    break;
                }
            }
        }
    }
}

void elaborate(const std::string &top) {
    Elaborator e;
    e.packages();
    bind_resolution_blocks();
    if (!top.empty()) e.top(top);
    e.finish_nets();
}

}  // namespace tovu
