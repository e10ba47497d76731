// Waveform output in the Value Change Dump format (IEEE 1364), readable by
// common wave viewers such as GTKWave.
//
// Use: open(), add_var() for every traced object, end_definitions(), then
// time() / begin_dump() / value()... / end_dump_vars() for the initial values,
// and time() / value() for every later change; close() at the end.
#ifndef TOVU_VCD_H
#define TOVU_VCD_H

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace tovu {

enum class VcdKind { Logic, Bit, Enum, Integer, Real, Time };

class VcdWriter {
public:
    VcdWriter();
    ~VcdWriter();
    VcdWriter(const VcdWriter &) = delete;
    VcdWriter &operator=(const VcdWriter &) = delete;

    // Creates (or truncates) file. A writer that is already open is closed
    // first. On failure returns false with error naming the file and cause.
    bool open(const std::string &file, std::string &error);

    // path: hierarchical name with '/' separators ("fpga_tb/uut/clk"); scopes
    // are the leading parts. width: number of scalar elements for arrays of
    // Logic/Bit (1 for scalars); the other kinds take width 1. Enum is written
    // as a 32-bit integer position. Several variables may share one id
    // (aliases): pass alias_of = index of an earlier variable with the same
    // kind and width. Returns the variable's index, or -1 when the request is
    // invalid (empty name, width 0, a bad alias, or definitions already
    // ended); value() ignores -1.
    int add_var(const std::string &path, VcdKind kind, uint32_t width, int alias_of = -1);

    // Writes the header: $date (fixed text, so runs are byte-identical),
    // $version, $timescale 1ps, the scopes in first-seen order with their
    // variables, and $enddefinitions. Called implicitly by the first
    // time(), begin_dump() or value() if not called before.
    void end_definitions();

    void begin_dump();     // "$dumpvars": the initial values follow with value()
    void end_dump_vars();  // "$end" closing $dumpvars

    // Writes "#t" only when t differs from the last time written.
    void time(int64_t t);

    // Value encodings of data: Logic: one byte per element, the std_ulogic
    // position 0..8 ('U','X','0','1','Z','W','L','H','-'); Bit: one byte 0/1
    // per element; Enum: one byte position; Integer: int32; Real: double;
    // Time: int64 (native byte order, any alignment).
    void value(int var, const uint8_t *data);

    // Writes out the text waiting in the buffer (the writer also does so
    // whenever a megabyte is waiting).
    void flush();

    // Flushes and closes; safe to call twice.
    void close();
    bool is_open() const { return fd_ >= 0; }

    // Whether text written to descriptor fd enters the open file's stream:
    // fd is the same file under any name ("/dev/stdout", a link, the same
    // pipe or terminal). A device that keeps nothing, such as /dev/null,
    // mixes nothing and does not count.
    bool shares_stream_with(int fd) const;

    // False once a write has failed (the writer then stops writing and
    // closes the file); write_error() tells why.
    bool ok() const { return error_.empty(); }
    const std::string &write_error() const { return error_; }

    size_t var_count() const { return vars_.size(); }

private:
    // Records the first write error, naming the file and the cause (errno).
    void write_failed(int cause);

    struct Var {
        std::string name;  // last part of the path
        VcdKind kind;
        uint32_t width;
        std::string id;
    };
    struct Scope {
        std::string name;
        std::vector<int> children;  // indices into scopes_, first-seen order
        std::vector<int> vars;      // indices into vars_, in order added
    };

    int scope_for(const std::vector<std::string> &parts);
    void write_scope(int scope);
    void append(const std::string &text) { buffer_ += text; }
    void maybe_flush();

    int fd_ = -1;
    std::string file_;
    std::string buffer_;
    std::string error_;
    std::vector<Var> vars_;
    std::vector<Scope> scopes_;                               // scopes_[0] is the unnamed root
    std::map<std::pair<int, std::string>, int> scope_index_;  // (parent, name) -> scope
    int ids_ = 0;                                             // distinct identifier codes issued
    bool definitions_done_ = false;
    bool time_written_ = false;
    int64_t last_time_ = 0;
};

}  // namespace tovu

#endif
