// The counts of every registered unit's design data against the process and
// subprogram tables the unit registered. The tables carry no length, so the
// check finds each table in the test program's own symbol table: a table is
// the run of function addresses that starts at the registered pointer and
// stays inside the object (array or struct) that holds it.
#ifndef TOVU_TESTS_UNIT_TABLES_CHECK_H
#define TOVU_TESTS_UNIT_TABLES_CHECK_H

#include <dlfcn.h>
#include <elf.h>
#include <gtest/gtest.h>
#include <link.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "kernel.h"
#include "tovu/testing.h"
#include "unit_tables.h"

namespace tovu_test {

class ProgramSymbols {
public:
    ProgramSymbols() {
        std::ifstream in("/proc/self/exe", std::ios::binary);
        image_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (image_.size() < sizeof(Elf64_Ehdr)) return;
        const auto *eh = reinterpret_cast<const Elf64_Ehdr *>(image_.data());
        if (std::memcmp(eh->e_ident, ELFMAG, SELFMAG) != 0 || eh->e_ident[EI_CLASS] != ELFCLASS64) return;
        dl_iterate_phdr(
            [](dl_phdr_info *info, size_t, void *bias) {
                *static_cast<uintptr_t *>(bias) = info->dlpi_addr;
                return 1;  // the first object is the program itself
            },
            &bias_);
        const auto *sections = reinterpret_cast<const Elf64_Shdr *>(image_.data() + eh->e_shoff);
        for (unsigned i = 0; i < eh->e_shnum; ++i) {
            if (sections[i].sh_type != SHT_SYMTAB) continue;
            const auto *syms = reinterpret_cast<const Elf64_Sym *>(image_.data() + sections[i].sh_offset);
            const size_t n = sections[i].sh_size / sizeof(Elf64_Sym);
            for (size_t s = 0; s < n; ++s) {
                if (syms[s].st_shndx == SHN_UNDEF || syms[s].st_value == 0) continue;
                const uintptr_t at = bias_ + syms[s].st_value;
                const unsigned type = ELF64_ST_TYPE(syms[s].st_info);
                if (type == STT_FUNC) functions_.insert(at);
                if (type == STT_OBJECT) objects_.push_back({at, at + syms[s].st_size});
            }
        }
    }

    bool loaded() const { return !functions_.empty(); }

    // Whether p is the start of a function of the program or of a library.
    bool is_function(const void *p) const {
        if (functions_.count(reinterpret_cast<uintptr_t>(p))) return true;
        Dl_info info{};
        return p && dladdr(p, &info) && info.dli_saddr == p;
    }

    // Entries of the table at `table`: the entries from it up to the end of
    // the object that holds it (not counting a sanitizer's red zone after it)
    // or the first entry that is neither a function nor empty, without the
    // empty entries at its end. -1 when no object of the program holds it.
    long table_length(void *const *table) const {
        const auto at = reinterpret_cast<uintptr_t>(table);
        const Object *holder = nullptr;
        for (const Object &o : objects_)
            if (at >= o.lo && at < o.hi && (!holder || o.hi - o.lo < holder->hi - holder->lo)) holder = &o;
        if (!holder) return -1;
        const uintptr_t end = at + tovu::object_bytes(table, holder->hi - at);
        long length = 0;
        for (long n = 0; at + (n + 1) * sizeof(void *) <= end; ++n) {
            if (table[n] == nullptr) continue;
            if (!is_function(table[n])) break;
            length = n + 1;
        }
        return length;
    }

private:
    struct Object {
        uintptr_t lo, hi;
    };
    std::vector<char> image_;
    uintptr_t bias_ = 0;
    std::set<uintptr_t> functions_;
    std::vector<Object> objects_;
};

// For every unit of the kernel's last start-up: its pe and se counts lie
// within the tables it registered.
inline void expect_counts_within_tables() {
    static const ProgramSymbols symbols;
    ASSERT_TRUE(symbols.loaded()) << "the test program has no symbol table";
    ASSERT_FALSE(tovu::K().units.empty());
    for (const auto &u : tovu::K().units) {
        SCOPED_TRACE(u->desc->file);
        const struct {
            void *const *table;
            uint32_t count;
            const char *key;
        } tables[] = {{u->pe, u->desc->pe_count, "pe"}, {u->se, u->desc->se_count, "se"}};
        for (const auto &t : tables) {
            if (t.count == 0) continue;
            ASSERT_NE(t.table, nullptr) << t.key << " table not registered";
            const long length = symbols.table_length(t.table);
            ASSERT_GE(length, 0) << "the " << t.key << " table is not an object of the program";
            EXPECT_LE(t.count, static_cast<unsigned long>(length))
                << "counts " << t.key << "=" << t.count << " but the table holds " << length << " entries";
        }
    }
}

// Starts a program (its main linked in as `program_main`) on the built design
// data up to the end of elaboration, then checks its units' counts.
inline void expect_program_counts_within_tables(int (*program_main)(int, char **), const std::string &name) {
    std::vector<std::string> args = {name, std::string("--didat-dir=") + TOVU_KEST_DIR, "--quiet", "--stop-time=0ps"};
    std::vector<char *> argv;
    for (auto &a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    tovu::testing::reset();
    ASSERT_EQ(program_main(static_cast<int>(args.size()), argv.data()), 0);
    expect_counts_within_tables();
}

}  // namespace tovu_test

#endif
