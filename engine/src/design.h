// A unit's design data as parsed from its .didat file, before elaboration.
#ifndef TOVU_DESIGN_H
#define TOVU_DESIGN_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "lexer.h"

namespace tovu {

// A type reference: NAME, UNIT.NAME, or NAME(L to|downto R).
struct TypeRef {
    std::string name;
    bool constrained = false;
    int32_t left = 0, right = 0, dir = 1;
};

// A value as written: its tokens, interpreted once the type is known.
struct ValueText {
    std::vector<Token> toks;
    bool empty() const { return toks.empty(); }
    bool is_call() const { return !toks.empty() && toks[0].kind == Tok::Ident && toks[0].text == "call"; }
};

// A signal element range: NAME, NAME(I), NAME(L to|downto R).
struct SignalRef {
    std::string unit;  // for a package signal: UNIT.NAME
    std::string name;
    bool indexed = false;
    bool slice = false;
    int32_t left = 0, right = 0, dir = 1;
};

enum class PortMode { In, Out, Inout, Internal };

struct TypeDef {
    int line;
    std::string name;
    std::vector<Token> toks;  // the tokens after '='
};

struct SignalDecl {
    int line;
    uint32_t num;
    std::string name;
    PortMode mode;
    TypeRef type;
    ValueText init;
};

struct ProcessDecl {
    int line;
    uint32_t num;
    uint32_t record;
    int64_t flag = -1;
    bool own_stack = false;  // may suspend inside a subprogram (runs on a stack of its own)
    std::vector<SignalRef> sens;
    std::string name;
};

struct DriverDecl {
    int line;
    uint32_t offset;
    uint32_t process;
    SignalRef target;
};

enum class ObjKind { Const, Generic, Var, Lit, Text, Bytes, Bounds, TypeDesc };

struct ObjectDecl {
    int line;
    ObjKind kind;
    int64_t offset = -1;  // -1: generic without descriptor
    std::string name;
    TypeRef type;
    ValueText value;
    std::vector<uint8_t> bytes;  // text, bytes
    int32_t bnd[4] = {0, 0, 0, 0};
};

struct PortAssoc {
    std::string formal;
    bool open = false;
    bool is_value = false;
    SignalRef actual;
    ValueText value;
};

struct InstanceDecl {
    int line;
    std::string label;
    std::string unit;
    std::vector<std::pair<std::string, ValueText>> generics;
    std::vector<PortAssoc> ports;
};

struct UnitDesc {
    std::string file;
    std::string name;
    bool is_package = false;
    std::string entity;
    std::string source;
    int unit_line = 1;  // line of the 'unit' statement
    uint32_t block_size = 0;
    uint32_t pe_count = 0, se_count = 0;
    int counts_line = 1;
    uint32_t sigbase = 0x3e0;
    std::vector<std::string> uses;
    std::vector<TypeDef> types;
    std::vector<SignalDecl> signals;
    std::vector<ProcessDecl> processes;
    std::vector<DriverDecl> drivers;
    std::vector<ObjectDecl> objects;
    std::vector<InstanceDecl> instances;
};

// Largest design-data file, in bytes.
constexpr size_t kMaxDesignDataSize = size_t{1} << 24;

// Parses a design-data file: "didat 1" first, "end" last. On error returns
// false with "FILE:LINE: error: cause".
bool parse_didat(const std::string &file_name, const std::string &text, UnitDesc &out, std::string &error);

}  // namespace tovu

#endif
