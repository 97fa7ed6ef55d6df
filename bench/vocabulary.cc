#include "vocabulary.h"

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "support/test_support.h"

namespace chatmind::bench {
namespace {

using test::W;

// Frequent Russian words, roughly by frequency (UTF-8 here, Windows-1251 in
// the vocabulary); the first 200 become the ignored words.
constexpr std::string_view kCommonWords[] = {
    "и",        "в",       "не",      "на",         "я",       "что",     "с",       "он",
    "а",        "как",     "это",     "ты",         "она",     "по",      "но",      "они",
    "к",        "у",       "из",      "мы",         "за",      "вы",      "так",     "же",
    "от",       "все",     "этот",    "о",          "бы",      "только",  "мне",     "было",
    "вот",      "меня",    "еще",     "нет",        "да",      "его",     "тебя",    "ну",
    "когда",    "уже",     "для",     "кто",        "тебе",    "где",     "если",    "или",
    "есть",     "был",     "до",      "мой",        "там",     "чем",     "ли",      "почему",
    "очень",    "тут",     "может",   "себя",       "зачем",   "теперь",  "хорошо",  "надо",
    "можно",    "просто",  "ничего",  "быть",       "знаю",    "сейчас",  "даже",    "тоже",
    "здесь",    "будет",   "куда",    "сколько",    "какой",   "какая",   "какое",   "какие",
    "ее",       "им",      "их",      "при",        "без",     "под",     "над",     "через",
    "после",    "потом",   "опять",   "всегда",     "никогда", "конечно", "ладно",   "вообще",
    "откуда",   "кого",    "кому",    "чему",       "ком",     "чей",     "чья",     "чье",
    "разве",    "неужели", "отчего",  "каков",      "который", "которая", "которое", "люблю",
    "хочу",     "думаю",   "говорю",  "можешь",     "любишь",  "знаешь",  "хочешь",  "думаешь",
    "делаешь",  "привет",  "спасибо", "пожалуйста", "нужно",   "сам",     "сама",    "свой",
    "своя",     "наш",     "ваш",     "твой",       "твоя",    "моя",     "мое",     "такой",
    "такая",    "другой",  "другая",  "один",       "одна",    "два",     "три",     "раз",
    "день",     "время",   "год",     "жизнь",      "дело",    "человек", "друг",    "дом",
    "мир",      "слово",   "вопрос",  "ответ",      "много",   "мало",    "больше",  "меньше",
    "лучше",    "хуже",    "снова",   "сразу",      "тогда",   "иногда",  "давно",   "скоро",
    "завтра",   "вчера",   "сегодня", "утром",      "вечером", "ночью",   "весь",    "вся",
    "всю",      "этого",   "этом",    "том",        "той",     "тот",     "та",      "то",
    "те",       "ним",     "ней",     "нам",        "вам",     "нас",     "вас",     "ему",
    "себе",     "со",      "во",      "об",         "ни",      "ведь",    "вдруг",   "пусть",
    "хотя",     "чтобы",   "потому",  "поэтому",    "значит",  "кстати",  "правда",  "точно",
    "говорить", "сказать", "знать",   "видеть",     "думать",  "хотеть",  "любить",  "жить",
    "работа",   "город",   "музыка",  "погода",     "книга",   "кино",    "игра",    "школа",
};

constexpr std::string_view kQuestionWordList[] = {
    "как",     "что",     "где",   "когда",   "почему", "зачем", "кто",     "куда",
    "откуда",  "сколько", "какой", "какая",   "какое",  "какие", "чей",     "чья",
    "чье",     "ли",      "разве", "неужели", "отчего", "каков", "который", "которая",
    "которое", "кого",    "кому",  "чему",    "чем",    "ком",
};

constexpr std::string_view kOnsets[] = {"б",  "в",  "г",  "д",  "ж",  "з",  "к",  "л",  "м",
                                        "н",  "п",  "р",  "с",  "т",  "ф",  "х",  "ч",  "ш",
                                        "бр", "вр", "гр", "др", "кр", "пр", "тр", "ст", "сл",
                                        "см", "сп", "ск", "зв", "пл", "кл", "гл", "щ",  "ц"};
constexpr std::string_view kVowels[] = {"а", "о", "у", "ы", "и", "е", "я", "ю"};
constexpr std::string_view kCodas[] = {"н", "р", "л", "с", "т", "к", "м", "ст", "нт"};
constexpr std::string_view kEndings[] = {
    "",    "а",   "о",  "ы",   "и",   "ой",   "ый",  "ая",  "ое",  "ые",   "ать", "ить",
    "еть", "ет",  "ит", "ешь", "ишь", "ют",   "ут",  "ал",  "ила", "ость", "ка",  "ик",
    "ом",  "ами", "ах", "ов",  "ей",  "ение", "ный", "ная", "ное", "ные",  "ого"};

template <std::size_t N>
std::vector<std::string> Converted(const std::string_view (&utf8)[N]) {
  std::vector<std::string> converted;
  converted.reserve(N);
  for (std::string_view text : utf8) converted.push_back(W(text));
  return converted;
}

template <typename T>
const T& Pick(Random& random, const std::vector<T>& items) {
  return items[random.Below(items.size())];
}

}  // namespace

char Capital(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0xE0 ? static_cast<char>(byte - 0x20) : c;
}

Vocabulary::Vocabulary(Random& random)
    : words_(Converted(kCommonWords)),
      zipf_(kSize, 1.0),
      onsets_(Converted(kOnsets)),
      vowels_(Converted(kVowels)),
      codas_(Converted(kCodas)),
      endings_(Converted(kEndings)) {
  known_.insert(words_.begin(), words_.end());
  if (known_.size() != words_.size() || words_.size() < kIgnoredWords) {
    throw std::logic_error("the common words must be distinct and outnumber the ignored ones");
  }
  while (words_.size() < kSize) {
    std::string form = MakeForm(random);
    if (known_.insert(form).second) words_.push_back(std::move(form));
  }
  const auto id_of = [this](std::string_view utf8) {
    const auto found = std::find(words_.begin(), words_.end(), W(utf8));
    if (found == words_.end()) throw std::logic_error("a question word is not a common word");
    return static_cast<WordId>(found - words_.begin());
  };
  negation_ = id_of("не");
  for (std::string_view word : kQuestionWordList) question_words_.push_back(id_of(word));
  for (WordId id = 0; id < kIgnoredWords; ++id) {
    if (id != negation_ && !IsQuestionWord(id)) neutral_ignored_.push_back(id);
  }
}

WordId Vocabulary::SampleSignificant(Random& random) const {
  for (;;) {
    const WordId id = Sample(random);
    if (!IsIgnored(id)) return id;
  }
}

bool Vocabulary::IsQuestionWord(WordId id) const {
  return std::find(question_words_.begin(), question_words_.end(), id) != question_words_.end();
}

std::string Vocabulary::UnknownWord(Random& random) const {
  for (;;) {
    std::string form = MakeForm(random);
    if (!known_.contains(form)) return form;
  }
}

std::string Vocabulary::MakeForm(Random& random) const {
  std::string form;
  // Mostly one or two syllables, as in running text.
  const std::size_t roll = random.Below(20);
  const std::size_t syllables = roll < 7 ? 1 : roll < 17 ? 2 : 3;
  for (std::size_t i = 0; i < syllables; ++i) {
    form += Pick(random, onsets_);
    form += Pick(random, vowels_);
    if (random.Percent(30)) form += Pick(random, codas_);
  }
  return form + Pick(random, endings_);
}

}  // namespace chatmind::bench
