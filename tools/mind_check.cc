#include "mind_check.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <optional>

#include "encoding.h"

namespace chatmind::tool {
namespace {

constexpr std::size_t kLongestQuote = 60;

constexpr std::array<std::string_view, 5> kTags = {" <INITIAL>", " <ESCAPE>", " <THOUGHT>",
                                                   " <IGNORED>", " <QUESTION>"};

struct BracketForm {
  char opener;
  char closer;
  const char* name;
};
constexpr std::array<BracketForm, 4> kBracketForms = {{{'(', ')', "paren rule"},
                                                       {'|', '|', "bar record"},
                                                       {'{', '}', "brace rule"},
                                                       {'[', ']', "bracket record"}}};

bool IsTerminator(char byte) { return byte == '.' || byte == '?' || byte == '!'; }

// A byte that is part of a word once lowercased.
bool IsWordByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
         (byte >= 'a' && byte <= 'z') || byte >= 0xC0 || byte == '-' || byte == '\'';
}

bool IsUpperCase(unsigned char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDF) || byte == 0xA8;
}

bool IsLoneMark(std::string_view word) { return word == "-" || word == "'"; }

std::string ToUtf8(std::string_view text) {
  static Codec codec(Encoding::kUtf8);
  return codec.ToUser(text);
}

// Quotes the file's Windows-1251 text in « » as UTF-8, cut when long;
// control bytes are shown as \xNN.
std::string Quote(std::string_view text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size() && i < kLongestQuote; ++i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x20 || byte == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    } else {
      shown += text[i];
    }
  }
  return "«" + ToUtf8(shown) + (text.size() > kLongestQuote ? "…»" : "»");
}

std::string Quote(char byte) { return Quote(std::string_view(&byte, 1)); }

// The words of a rule key as the engine finds them, and the word it loses
// when the key ends in a word byte: a word is complete only when a
// separator follows it.
struct KeyWords {
  std::vector<std::string> words;
  std::string lost;
};

KeyWords SplitKeyWords(std::string_view key) {
  KeyWords result;
  std::string pending;
  for (char byte : key) {
    if (IsWordByte(byte)) {
      pending += byte;
      continue;
    }
    if (!pending.empty() && !IsLoneMark(pending)) result.words.push_back(pending);
    pending.clear();
  }
  if (!IsLoneMark(pending)) result.lost = pending;
  return result;
}

// Why a question or ignored word can never equal a word of a sentence, or
// nothing when it can.
std::optional<std::string> WhyNeverAWord(std::string_view word) {
  if (IsLoneMark(word)) return "a lone " + Quote(word) + " is no word";
  for (char c : word) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUpperCase(byte))
      return std::string("it holds the upper-case letter ") + Quote(c) +
             ", and words are compared in lower case";
    if (byte == 0xB8) return "it holds " + Quote(c) + ", which separates words";
    if (byte == ' ') return std::string("it holds a space, which separates words");
    if (!IsWordByte(c)) return "it holds " + Quote(c) + ", which separates words";
  }
  return std::nullopt;
}

// The file's text after the 0x1A that ends it, cut into lines; line ends
// are LF with an optional CR before it.
std::vector<std::string_view> SplitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    if (end != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back(line);
    if (end == std::string_view::npos) break;
    content.remove_prefix(end + 1);
  }
  return lines;
}

// Whether `line` holds UTF-8 encoded characters beyond ASCII and nothing
// that is not UTF-8: then the file was most likely saved as UTF-8.
bool LooksLikeUtf8(std::string_view line) {
  bool multibyte = false;
  for (std::size_t i = 0; i < line.size();) {
    const std::size_t length = Utf8SequenceLength(line.substr(i));
    if (length == 0) return false;
    multibyte = multibyte || length > 1;
    i += length;
  }
  return multibyte;
}

struct Counts {
  long phrases = 0, escapes = 0, initials = 0, thoughts = 0, skipped = 0;
  std::array<long, kBracketForms.size()> rules = {};
  std::vector<std::string_view> question_words, ignored_words;
};

class Checker {
 public:
  CheckReport Run(std::string_view bytes) {
    std::string_view content = bytes;
    if (const std::size_t end = bytes.find('\x1A'); end != std::string_view::npos) {
      content = bytes.substr(0, end);
      if (end + 1 < bytes.size()) {
        Warn(LineOf(content, end), "a 0x1A byte ends the file here; the " +
                                       std::to_string(bytes.size() - end - 1) +
                                       " bytes after it are never read");
      }
    }
    const std::vector<std::string_view> lines = SplitLines(content);
    CheckBytes(lines);
    for (std::size_t i = 0; i + 1 < lines.size(); i += 2) {
      CheckRecord(static_cast<long>(i) + 1, lines[i], lines[i + 1]);
    }
    if (lines.size() % 2 == 1) {
      Warn(static_cast<long>(lines.size()),
           "the last line has no partner and is ignored: " + Quote(lines.back()));
    }
    std::stable_sort(report_.findings.begin(), report_.findings.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    Summarize();
    return std::move(report_);
  }

 private:
  static long LineOf(std::string_view content, std::size_t offset) {
    return 1 + static_cast<long>(std::count(
                   content.begin(), content.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
  }

  void Warn(long line, std::string message) {
    report_.findings.push_back({line, std::move(message)});
  }

  void CheckBytes(const std::vector<std::string_view>& lines) {
    bool utf8_reported = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const long number = static_cast<long>(i) + 1;
      if (lines[i].find('\0') != std::string_view::npos) {
        Warn(number,
             "a NUL byte (0x00), which a mind file cannot hold: the line's text ends there");
      }
      if (!utf8_reported && LooksLikeUtf8(lines[i])) {
        utf8_reported = true;
        Warn(number,
             "this looks like UTF-8, but mind files are Windows-1251: convert the file with "
             "iconv -f UTF-8 -t WINDOWS-1251");
      }
    }
  }

  void CheckRecord(long number, std::string_view key, std::string_view value) {
    if (key.empty() || value.empty()) {
      ++counts_.skipped;
      CheckSkipped(number, key, value);
      return;
    }
    if (std::find(kTags.begin(), kTags.end(), value) != kTags.end()) {
      Warn(number + 1, "the value line " + Quote(value) +
                           " is a tag: are the records from here on one line off?");
    }
    if (key == kTags[0]) {
      ++counts_.initials;
    } else if (key == kTags[1]) {
      ++counts_.escapes;
    } else if (key == kTags[2]) {
      ++counts_.thoughts;
    } else if (key == kTags[3] || key == kTags[4]) {
      const bool question = key == kTags[4];
      (question ? counts_.question_words : counts_.ignored_words).push_back(value);
      if (const auto why = WhyNeverAWord(value)) {
        Warn(number + 1, std::string(question ? "the question word " : "the ignored word ") +
                             Quote(value) + " can never equal a word: " + *why);
      }
    } else if (const auto form = BracketFormOf(key)) {
      ++counts_.rules[*form];
      CheckRuleKey(number, kBracketForms[*form], key.substr(2, key.size() - 3));
    } else {
      CheckPhraseKey(number, key);
    }
  }

  void CheckSkipped(long number, std::string_view key, std::string_view value) {
    const std::string lines = "lines " + std::to_string(number) + "-" + std::to_string(number + 1);
    if (key.empty() && value.empty()) {
      Warn(number, lines + " are empty: a record is skipped there");
      return;
    }
    const bool key_empty = key.empty();
    Warn(key_empty ? number : number + 1,
         lines + ": the record is skipped because its " + (key_empty ? "key" : "value") +
             " line is empty, and " + Quote(key_empty ? value : key) +
             " is lost; an empty line does not separate records, so if none was meant here, "
             "every later record is read one line off");
  }

  static std::optional<std::size_t> BracketFormOf(std::string_view key) {
    for (std::size_t i = 0; i < kBracketForms.size(); ++i) {
      if (key.size() >= 2 && key[0] == ' ' && key[1] == kBracketForms[i].opener &&
          key.back() == kBracketForms[i].closer) {
        return i;
      }
    }
    return std::nullopt;
  }

  void CheckRuleKey(long number, const BracketForm& form, std::string_view key) {
    const bool paren = form.opener == '(';
    if (!paren && form.opener != '{') return;  // stored, never matched
    const KeyWords split = SplitKeyWords(key);
    const std::string described = std::string("the ") + form.name + " key " + Quote(key);
    if (split.words.empty()) {
      const std::string why = split.lost.empty()
                                  ? " has no word"
                                  : " has no word (its only word " + Quote(split.lost) +
                                        " is lost without a final «.», «?» or «!»)";
      const std::string kind = !key.empty() && key.back() == '?' ? "question" : "statement";
      Warn(number,
           described + why +
               (paren ? ", so it answers every " + kind + " without a question word or " + "«не»"
                      : ", so it never answers"));
    } else if (!split.lost.empty()) {
      Warn(number, described + " loses its last word " + Quote(split.lost) +
                       ": a word ends only where a separator follows; end the key with " +
                       "«.», «?» or «!»");
    }
  }

  void CheckPhraseKey(long number, std::string_view key) {
    ++counts_.phrases;
    if (const auto look_alike = LookAlike(key)) {
      Warn(number, "the key line " + Quote(key) + " is not " + *look_alike +
                       ", so it is read as a phrase key");
    } else if (!IsTerminator(key.back())) {
      Warn(number, "the phrase key " + Quote(key) +
                       " does not end in «.», «?» or «!»: it can never match a line exactly, "
                       "and the text after its last terminator is in no index entry");
    }
  }

  // What a phrase key line was most likely meant to be (a tag or a bracketed
  // key) and why it is not, or nothing.
  static std::optional<std::string> LookAlike(std::string_view key) {
    const std::size_t leading = std::min(key.find_first_not_of(' '), key.size());
    std::string_view core = key.substr(leading);
    const std::size_t kept = core.find_last_not_of(" \t\r");
    const bool trailing = kept + 1 < core.size();
    core = core.substr(0, kept + 1);
    if (core.empty()) return std::nullopt;
    std::vector<std::string> reasons;
    if (leading == 0) reasons.push_back("no leading space");
    if (leading > 1) reasons.push_back("more than one leading space");
    if (trailing) reasons.push_back("blanks after the end");
    std::string upper(core);
    for (char& c : upper) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    for (std::string_view tag : kTags) {
      if (upper != tag.substr(1)) continue;
      if (upper != core) reasons.push_back("lower-case letters");
      return "the tag " + Quote(tag) + " (" + Join(reasons) + ")";
    }
    for (const BracketForm& form : kBracketForms) {
      if (core.front() != form.opener) continue;
      const bool closed = core.size() >= 2 && core.back() == form.closer;
      if (!closed && leading == 1) {
        reasons.push_back(std::string("its last byte is not ") + Quote(form.closer));
      } else if (!closed) {
        return std::nullopt;  // an ordinary phrase that starts with a bracket
      }
      return std::string("a ") + form.name + " (" + Join(reasons) + ")";
    }
    return std::nullopt;
  }

  static std::string Join(const std::vector<std::string>& parts) {
    std::string joined;
    for (const std::string& part : parts) joined += (joined.empty() ? "" : ", ") + part;
    return joined;
  }

  static std::string List(const std::vector<std::string_view>& words) {
    std::string listed;
    for (std::string_view word : words) listed += (listed.empty() ? "" : ", ") + ToUtf8(word);
    return listed;
  }

  void Summarize() {
    auto& summary = report_.summary;
    summary.push_back(std::to_string(counts_.phrases) + " phrase pairs, " +
                      std::to_string(counts_.rules[0]) + " paren rules, " +
                      std::to_string(counts_.rules[2]) + " brace rules, " +
                      std::to_string(counts_.rules[1]) + " bar and " +
                      std::to_string(counts_.rules[3]) + " bracket records");
    summary.push_back(std::to_string(counts_.escapes) + " escape phrases, " +
                      std::to_string(counts_.initials) + " initial phrases, " +
                      std::to_string(counts_.thoughts) + " thoughts (dropped), " +
                      std::to_string(counts_.skipped) + " skipped records");
    summary.push_back(std::to_string(counts_.question_words.size()) +
                      " question words: " + List(counts_.question_words));
    summary.push_back(std::to_string(counts_.ignored_words.size()) +
                      " ignored words: " + List(counts_.ignored_words));
  }

  CheckReport report_;
  Counts counts_;
};

}  // namespace

CheckReport CheckMind(std::string_view bytes) { return Checker().Run(bytes); }

}  // namespace chatmind::tool
