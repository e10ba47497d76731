#include "unit_tables.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "elaborate.h"
#include "file_text.h"

// Built with AddressSanitizer (GCC says so with __SANITIZE_ADDRESS__, clang
// with __has_feature).
#if defined(__SANITIZE_ADDRESS__)
#define TOVU_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TOVU_ADDRESS_SANITIZER 1
#endif
#endif
#ifdef TOVU_ADDRESS_SANITIZER
#include <sanitizer/asan_interface.h>
#endif

namespace tovu {

namespace {

// The file the main program was loaded from; tests point it elsewhere.
std::string g_program_file = "/proc/self/exe";

// Largest symbol table read, in bytes: a bound against a damaged file.
constexpr uint64_t kMaxSymbolTableBytes = uint64_t{1} << 28;

// The loaded object (main program or shared library) whose segments hold an
// address: its file and its load bias.
struct LoadedObject {
    std::string file;
    uintptr_t bias = 0;
};

std::optional<LoadedObject> object_holding(const void *p) {
    struct Search {
        uintptr_t address;
        std::optional<LoadedObject> found;
    } search{reinterpret_cast<uintptr_t>(p), std::nullopt};
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            auto &s = *static_cast<Search *>(data);
            for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
                const ElfW(Phdr) &ph = info->dlpi_phdr[i];
                const uintptr_t lo = info->dlpi_addr + ph.p_vaddr;
                if (ph.p_type != PT_LOAD || s.address < lo || s.address - lo >= ph.p_memsz) continue;
                const bool main_program = !info->dlpi_name || !*info->dlpi_name;
                s.found = LoadedObject{main_program ? g_program_file : info->dlpi_name, info->dlpi_addr};
                return 1;
            }
            return 0;
        },
        &search);
    return search.found;
}

// Reads `n` bytes at `offset` of the open file, all or nothing.
bool read_at(int fd, uint64_t offset, void *out, uint64_t n) {
    auto *dst = static_cast<char *>(out);
    while (n > 0) {
        const ssize_t got = pread(fd, dst, n, static_cast<off_t>(offset));
        if (got <= 0) return false;
        dst += got;
        offset += static_cast<uint64_t>(got);
        n -= static_cast<uint64_t>(got);
    }
    return true;
}

// The data objects an ELF file's symbol table records (.symtab, or .dynsym
// where the file is stripped of it): start address (before the load bias)
// and size, ordered by address. Empty where the file cannot be read.
class ObjectSymbols {
public:
    explicit ObjectSymbols(const std::string &path) {
        const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        read(fd);
        close(fd);
        std::sort(objects_.begin(), objects_.end());
    }

    // The bytes from `address` (before the load bias) to the end of the
    // object that holds it, if a symbol records one.
    std::optional<uint64_t> bytes_from(uint64_t address) const {
        auto it = std::upper_bound(objects_.begin(), objects_.end(), std::make_pair(address, UINT64_MAX));
        if (it == objects_.begin()) return std::nullopt;
        --it;
        if (address - it->first >= it->second) return std::nullopt;
        return it->second - (address - it->first);
    }

private:
    // An ELF file of this program's word size, with section headers.
    static bool native_elf(const ElfW(Ehdr) & eh) {
        return std::memcmp(eh.e_ident, ELFMAG, SELFMAG) == 0 &&
               eh.e_ident[EI_CLASS] == (sizeof(void *) == 8 ? ELFCLASS64 : ELFCLASS32) &&
               eh.e_shentsize == sizeof(ElfW(Shdr)) && eh.e_shoff != 0;
    }

    void read(int fd) {
        struct stat st;
        if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return;
        const auto file_size = static_cast<uint64_t>(st.st_size);
        ElfW(Ehdr) eh;
        if (!read_at(fd, 0, &eh, sizeof eh) || !native_elf(eh)) return;
        uint64_t sections = eh.e_shnum;
        if (sections == 0) {  // more sections than the header's field holds: the count is in section 0
            ElfW(Shdr) first;
            if (!read_at(fd, eh.e_shoff, &first, sizeof first)) return;
            sections = first.sh_size;
        }
        if (sections > file_size / sizeof(ElfW(Shdr))) return;
        std::vector<ElfW(Shdr)> sh(sections);
        if (!read_at(fd, eh.e_shoff, sh.data(), sections * sizeof(ElfW(Shdr)))) return;
        const ElfW(Shdr) *table = nullptr;
        for (const auto &s : sh)
            if (s.sh_type == SHT_SYMTAB) table = &s;
        if (!table)
            for (const auto &s : sh)
                if (s.sh_type == SHT_DYNSYM) table = &s;
        if (!table || table->sh_entsize != sizeof(ElfW(Sym)) || table->sh_size > kMaxSymbolTableBytes ||
            table->sh_size > file_size)
            return;
        std::vector<ElfW(Sym)> syms(table->sh_size / sizeof(ElfW(Sym)));
        if (!read_at(fd, table->sh_offset, syms.data(), syms.size() * sizeof(ElfW(Sym)))) return;
        for (const auto &s : syms)
            if (ELF64_ST_TYPE(s.st_info) == STT_OBJECT && s.st_size > 0 && s.st_shndx != SHN_UNDEF)
                objects_.emplace_back(s.st_value, s.st_size);
    }

    std::vector<std::pair<uint64_t, uint64_t>> objects_;  // start, size
};

// The symbols of every file read so far, by path: each file is read once,
// the first time one of its tables is checked.
const ObjectSymbols &symbols_of(const std::string &path) {
    static std::map<std::string, std::unique_ptr<ObjectSymbols>> files;
    auto &s = files[path];
    if (!s) s = std::make_unique<ObjectSymbols>(path);
    return *s;
}

// The number of entries a registered table has, from the size its symbol
// records; none where no symbol table that holds it can be read.
std::optional<uint64_t> registered_entries(void *const *table) {
    const std::optional<LoadedObject> obj = object_holding(table);
    if (!obj) return std::nullopt;
    const std::optional<uint64_t> bytes =
        symbols_of(obj->file).bytes_from(reinterpret_cast<uintptr_t>(table) - obj->bias);
    if (!bytes) return std::nullopt;
    return object_bytes(table, *bytes) / sizeof(void *);
}

// The address ranges of the process's executable mappings, from
// /proc/self/maps, read once; empty where that cannot be read.
class CodeRanges {
public:
    static const CodeRanges &get() {
        static const CodeRanges ranges;
        return ranges;
    }
    bool known() const { return !ranges_.empty(); }
    bool contains(const void *p) const {
        const auto a = reinterpret_cast<uintptr_t>(p);
        for (const auto &[lo, hi] : ranges_)
            if (a >= lo && a < hi) return true;
        return false;
    }

private:
    CodeRanges() {
        std::string text, cause;
        if (!read_text_file("/proc/self/maps", size_t{1} << 24, text, cause)) return;
        size_t pos = 0;
        while (pos < text.size()) {
            size_t nl = text.find('\n', pos);
            if (nl == std::string::npos) nl = text.size();
            const std::string line = text.substr(pos, nl - pos);
            pos = nl + 1;
            uintptr_t lo = 0, hi = 0;
            char perms[5] = {};
            if (std::sscanf(line.c_str(), "%" SCNxPTR "-%" SCNxPTR " %4s", &lo, &hi, perms) == 3 && perms[2] == 'x')
                ranges_.emplace_back(lo, hi);
        }
    }

    std::vector<std::pair<uintptr_t, uintptr_t>> ranges_;
};

std::string entries_text(uint64_t n) { return std::to_string(n) + (n == 1 ? " entry" : " entries"); }

// Checks `count` entries of a table against the table's registered size.
// Only the words of the table's own object are read: where its symbol is
// not known, the count is trusted. A unit may keep other data in the same
// object after its table (the source path after a process table); such
// trailing words, neither empty nor code, are not entries.
void check_entries(const Unit &u, void *const *table, uint32_t count, const char *key, const char *table_name) {
    if (!table || count == 0) return;
    const std::optional<uint64_t> in_object = registered_entries(table);
    if (!in_object) return;
    const CodeRanges &code = CodeRanges::get();
    auto is_data = [&](uint64_t i) { return code.known() && table[i] && !code.contains(table[i]); };
    uint64_t entries = *in_object;
    while (entries > 0 && is_data(entries - 1)) --entries;
    const std::string where = u.desc->file + ":" + std::to_string(u.desc->counts_line) + ": error: counts " + key +
                              "=" + std::to_string(count) + ", but ";
    if (count > entries) throw ElabError(where + "the unit's " + table_name + " table has " + entries_text(entries));
    for (uint32_t i = 0; i < count; ++i)
        if (is_data(i))
            throw ElabError(where + "entry " + std::to_string(i) + " of the unit's " + table_name +
                            " table is not a function");
}

}  // namespace

uint64_t object_bytes(const void *p, uint64_t bytes) {
#ifdef TOVU_ADDRESS_SANITIZER
    if (const void *poisoned = __asan_region_is_poisoned(const_cast<void *>(p), bytes))
        return static_cast<uint64_t>(static_cast<const char *>(poisoned) - static_cast<const char *>(p));
#else
    (void)p;
#endif
    return bytes;
}

void check_unit_tables() {
    for (auto &u : K().units) {
        const UnitDesc &d = *u->desc;
        if (d.se_count && !u->se)
            throw ElabError(d.file + ":" + std::to_string(d.counts_line) + ": error: counts se=" +
                            std::to_string(d.se_count) + " but the unit registered no subprogram table");
        check_entries(*u, u->pe, d.pe_count, "pe", "process");
        check_entries(*u, u->se, d.se_count, "se", "subprogram");
    }
}

namespace testing {

void set_program_file(const std::string &path) { g_program_file = path; }

}  // namespace testing

}  // namespace tovu
