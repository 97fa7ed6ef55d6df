// Random minds and conversations, run through chatmind::Engine and the plain
// reference engine: every reply, every result and every saved file must be
// the same bytes. Only the public interfaces are used, so the test holds
// whatever the shipped engine keeps inside.
//
// CHATMIND_DIFFERENTIAL_SCENARIOS sets the number of scenarios of each
// family, CHATMIND_DIFFERENTIAL_SEED the seed of the first (the others
// follow it), for longer runs by hand and to rerun a failure alone.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "chatmind/engine.hpp"
#include "reference/reference_engine.h"
#include "support/random_mind.h"
#include "support/test_support.h"

#ifndef CHATMIND_DIFFERENTIAL_SCENARIO_DIVISOR
#define CHATMIND_DIFFERENTIAL_SCENARIO_DIVISOR 1
#endif

namespace chatmind {
namespace {

using reference::ReferenceEngine;
using test::MindShape;
using test::RandomMind;
using test::TempDir;

enum Operation {
  kReply,
  kLoadAgain,    // the scenario's first mind file once more
  kLoadNew,      // a newly made mind file
  kLoadNothing,  // a missing file or an empty path
  kSave,         // then, mostly, load what was saved
  kFailedSave,   // into a missing directory: the mind stays, reordered
  kEmptySave,
  kOperations
};

// A kind of scenario: the shape of its mind files and how often each
// operation comes. Each family is a test of its own, so they run in parallel.
struct Family {
  const char* name;
  std::uint64_t first_seed;
  std::uint64_t scenarios;
  std::size_t steps;
  MindShape mind;
  std::array<unsigned, kOperations> operations;
};

// Names the family in gtest's messages instead of dumping its bytes.
void PrintTo(const Family& family, std::ostream* out) { *out << family.name; }

// Record weights in RecordKind order: phrase, paren, brace, bar, bracket,
// question, ignored, escape, initial, thought, lookalike. Operation weights
// in Operation order.
const Family kFamilies[] = {
    {.name = "LongConversations",
     .first_seed = 1'000'000,
     .scenarios = 1000,
     .steps = 60,
     .mind = {3, 12, {10, 3, 3, 1, 1, 2, 2, 2, 2, 1, 1}, 5},
     .operations = {93, 1, 1, 1, 0, 3, 1}},
    {.name = "RuleMinds",
     .first_seed = 2'000'000,
     .scenarios = 1000,
     .steps = 30,
     .mind = {10, 30, {6, 8, 8, 1, 1, 4, 5, 1, 1, 1, 1}, 5},
     .operations = {87, 2, 2, 1, 1, 5, 2}},
    {.name = "BraceRules",
     .first_seed = 3'000'000,
     .scenarios = 1000,
     .steps = 30,
     .mind = {4, 20, {4, 1, 12, 1, 1, 3, 8, 1, 1, 1, 1}, 5},
     .operations = {87, 2, 2, 1, 1, 5, 2}},
    {.name = "SavesAndLoads",
     .first_seed = 4'000'000,
     .scenarios = 300,
     .steps = 40,
     .mind = {4, 20, {10, 3, 3, 1, 1, 2, 2, 2, 2, 1, 1}, 5},
     .operations = {58, 10, 6, 3, 8, 12, 3}},
    {.name = "MessyFiles",
     .first_seed = 5'000'000,
     .scenarios = 1000,
     .steps = 25,
     .mind = {8, 30, {8, 3, 3, 2, 2, 2, 2, 2, 2, 3, 4}, 30},
     .operations = {81, 4, 7, 2, 2, 3, 1}},
};

// The bytes as text a reader can follow: Cyrillic as UTF-8, other bytes
// outside printable ASCII as \xNN, in quotes.
std::string Printable(std::string_view bytes) {
  std::string out = "\"";
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0xC0 || byte == 0xA8 || byte == 0xB8) {
      const unsigned code = byte >= 0xC0 ? 0x410 + byte - 0xC0 : byte == 0xA8 ? 0x401 : 0x451;
      out += static_cast<char>(0xC0 | (code >> 6));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (byte >= 0x20 && byte < 0x7F && byte != '"' && byte != '\\') {
      out += c;
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      out += escaped;
    }
  }
  return out += '"';
}

std::string Text(bool result) { return result ? "true" : "false"; }

std::uint64_t EnvironmentNumber(const char* name, std::uint64_t otherwise) {
  const char* value = std::getenv(name);
  return value && *value ? std::strtoull(value, nullptr, 10) : otherwise;
}

class Scenario {
 public:
  Scenario(const Family& family, std::uint64_t seed)
      : family_(family), seed_(seed), random_(seed), reference_(MakeReference()) {}

  // Runs every step; stops at the first difference and reports it as a
  // test failure.
  bool Run() {
    test::WriteBytes(first_mind_, random_.MindFile(family_.mind));
    if (random_.Percent(90) && !LoadBoth(first_mind_, "LoadMind(first file)")) return false;
    for (step_ = 0; step_ < family_.steps; ++step_) {
      if (!Step(static_cast<Operation>(random_.Weighted(family_.operations)))) return false;
    }
    return true;
  }

 private:
  // Writes the settings file the shipped engine reads, or none, and makes
  // the reference engine with the fallback reply that gives.
  ReferenceEngine MakeReference() {
    if (random_.Percent(25)) return ReferenceEngine();
    const std::string fallback = random_.Percent(10) ? "" : random_.Text();
    // Quotes keep the value as it is, spaces at its ends included.
    test::WriteBytes(dir_.Path("chatmind.INI"), "[Search]\r\nNotClear=\"" + fallback + "\"\r\n");
    trace_ << "settings: NotClear=" << Printable(fallback) << "\n";
    return fallback.empty() ? ReferenceEngine() : ReferenceEngine(fallback);
  }

  bool Step(Operation operation) {
    switch (operation) {
      case kReply:
        return Reply();
      case kLoadAgain:
        // What follows a NUL in a path is no part of it.
        return LoadBoth(random_.Percent(20) ? first_mind_ + std::string("\0junk", 5) : first_mind_,
                        "LoadMind(first file)");
      case kLoadNew: {
        const std::string path = dir_.Path("mind-" + std::to_string(step_) + ".mind");
        test::WriteBytes(path, random_.MindFile(family_.mind));
        return LoadBoth(path, "LoadMind(new file made at this step)");
      }
      case kLoadNothing:
        return random_.Percent(50) ? LoadBoth(dir_.Path("absent.mind"), "LoadMind(missing file)")
                                   : LoadBoth("", "LoadMind(\"\")");
      case kSave:
        return Save();
      case kFailedSave:
        return SaveBoth(dir_.Path("missing/bot.mind"), "SaveMind(into a missing directory)");
      case kEmptySave:
        return SaveBoth("", "SaveMind(\"\")");
      case kOperations:
        break;
    }
    return false;
  }

  bool Reply() {
    const std::string line = random_.UserLine(heard_);
    const std::string shipped(shipped_.GetReplyTo(line));
    const std::string reference = reference_.GetReplyTo(line);
    const std::string what = "GetReplyTo(" + Printable(line) + ")";
    if (!Agree(what, shipped, reference)) return false;
    if (!shipped.empty()) heard_.push_back(shipped);
    trace_ << step_ << ": " << what << " -> " << Printable(shipped) << "\n";
    return true;
  }

  bool LoadBoth(const std::string& path, const std::string& what) {
    return AgreeResults(what, shipped_.LoadMind(path), reference_.LoadMind(path));
  }

  bool SaveBoth(const std::string& path, const std::string& what) {
    return AgreeResults(what, shipped_.SaveMind(path), reference_.SaveMind(path));
  }

  bool AgreeResults(const std::string& what, bool shipped, bool reference) {
    if (!Agree(what, Text(shipped), Text(reference))) return false;
    trace_ << step_ << ": " << what << " -> " << Text(shipped) << "\n";
    return true;
  }

  // Each engine saves to a file of its own; the files must be equal, and
  // mostly each engine loads its file back, so that learned pairs are
  // indexed at their new positions.
  bool Save() {
    const std::string shipped_path = dir_.Path("shipped.mind");
    const std::string reference_path = dir_.Path("reference.mind");
    const bool saved = shipped_.SaveMind(shipped_path);
    if (!AgreeResults("SaveMind(file)", saved, reference_.SaveMind(reference_path))) return false;
    if (!saved) return true;
    if (!AgreeFiles(test::ReadBytes(shipped_path), test::ReadBytes(reference_path))) return false;
    if (random_.Percent(40)) return true;
    const bool loaded = shipped_.LoadMind(shipped_path);
    return AgreeResults("LoadMind(the saved file)", loaded, reference_.LoadMind(reference_path));
  }

  // Shows the line of each file where they first differ.
  bool AgreeFiles(const std::string& shipped, const std::string& reference) {
    if (shipped == reference) return true;
    std::size_t at = 0;
    while (at < shipped.size() && at < reference.size() && shipped[at] == reference[at]) ++at;
    const std::size_t line = shipped.rfind('\n', at == 0 ? 0 : at - 1);
    const std::size_t start = line == std::string::npos || at == 0 ? 0 : line + 1;
    const auto around = [start](const std::string& file) {
      return file.substr(start, file.find('\n', start) - start);
    };
    return Agree("the saved files, at byte " + std::to_string(at) + " of " +
                     std::to_string(shipped.size()) + " and " + std::to_string(reference.size()),
                 around(shipped), around(reference));
  }

  bool Agree(const std::string& what, const std::string& shipped, const std::string& reference) {
    if (shipped == reference) return true;
    ADD_FAILURE() << "The engines differ in scenario " << seed_ << " of " << family_.name
                  << ", step " << step_ << ": " << what << "\n  shipped:   " << Printable(shipped)
                  << "\n  reference: " << Printable(reference) << "\nSteps before it:\n"
                  << trace_.str() << "Rerun it alone: CHATMIND_DIFFERENTIAL_SEED=" << seed_
                  << " CHATMIND_DIFFERENTIAL_SCENARIOS=1 chatmind_differential_test"
                  << " --gtest_filter='*" << family_.name << "*'";
    return false;
  }

  const Family& family_;
  const std::uint64_t seed_;
  RandomMind random_;
  TempDir dir_;
  const std::string first_mind_ = dir_.Path("first.mind");
  std::ostringstream trace_;
  Engine shipped_{dir_.Path("chatmind.INI")};
  ReferenceEngine reference_;
  std::vector<std::string> heard_;
  std::size_t step_ = 0;
};

class DifferentialTest : public ::testing::TestWithParam<Family> {};

TEST_P(DifferentialTest, EnginesAgree) {
  const Family& family = GetParam();
  const std::uint64_t scenarios = EnvironmentNumber(
      "CHATMIND_DIFFERENTIAL_SCENARIOS", family.scenarios / CHATMIND_DIFFERENTIAL_SCENARIO_DIVISOR);
  const std::uint64_t first_seed =
      EnvironmentNumber("CHATMIND_DIFFERENTIAL_SEED", family.first_seed);
  for (std::uint64_t seed = first_seed; seed < first_seed + scenarios; ++seed) {
    if (!Scenario(family, seed).Run()) break;
  }
}

INSTANTIATE_TEST_SUITE_P(Families, DifferentialTest, ::testing::ValuesIn(kFamilies),
                         [](const ::testing::TestParamInfo<Family>& family) {
                           return std::string(family.param.name);
                         });

}  // namespace
}  // namespace chatmind
