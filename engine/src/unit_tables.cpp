#include "unit_tables.h"

#include <cinttypes>
#include <cstdio>
#include <utility>
#include <vector>

#include "elaborate.h"
#include "file_text.h"

namespace tovu {

namespace {

// The address ranges of the process's executable mappings, from
// /proc/self/maps; empty where that cannot be read (the entries are then
// taken on trust).
class CodeRanges {
public:
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
    bool known() const { return !ranges_.empty(); }
    bool contains(const void *p) const {
        const auto a = reinterpret_cast<uintptr_t>(p);
        for (const auto &[lo, hi] : ranges_)
            if (a >= lo && a < hi) return true;
        return false;
    }

private:
    std::vector<std::pair<uintptr_t, uintptr_t>> ranges_;
};

void check_entries(const Unit &u, void *const *table, uint32_t count, const char *key, const char *table_name,
                   const CodeRanges &code) {
    if (!table || !code.known()) return;
    for (uint32_t i = 0; i < count; ++i) {
        if (table[i] && !code.contains(table[i]))
            throw ElabError(u.desc->file + ":" + std::to_string(u.desc->counts_line) + ": error: counts " + key + "=" +
                            std::to_string(count) + ", but entry " + std::to_string(i) + " of the unit's " +
                            table_name + " table is not a function: the table has fewer entries");
    }
}

}  // namespace

void check_unit_tables() {
    const CodeRanges code;
    for (auto &u : K().units) {
        const UnitDesc &d = *u->desc;
        if (d.se_count && !u->se)
            throw ElabError(d.file + ":" + std::to_string(d.counts_line) + ": error: counts se=" +
                            std::to_string(d.se_count) + " but the unit registered no subprogram table");
        check_entries(*u, u->pe, d.pe_count, "pe", "process", code);
        check_entries(*u, u->se, d.se_count, "se", "subprogram", code);
    }
}

}  // namespace tovu
