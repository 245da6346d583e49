#include "tests/common/name_sample.h"

#include <random>
#include <set>

#include "text/cp1251.h"

namespace testing_support {

namespace {

const char* const kStems[] = {
    "ИВАН",     "ПЕТР",    "СИДОР",   "СМИРН",    "КУЗНЕЦ",    "ПОПОВ",    "ВАСИЛЬЕВ",  "СОКОЛ",
    "МИХАЙЛ",   "НОВИК",   "ФЁДОР",   "МОРОЗ",    "ВОЛК",      "АЛЕКСЕЕВ", "ЛЕБЕДЕВ",   "СЕМЁН",
    "ЕГОР",     "ПАВЛ",    "КОЗЛ",    "СТЕПАН",   "НИКОЛАЕВ",  "ОРЛ",      "АНДРЕЕВ",   "МАКАР",
    "НИКИТ",    "ЗАХАР",   "ЗАЙЦ",    "СОЛОВЬЁВ", "БОРИС",     "ЯКОВЛЕВ",  "ГРИГОРЬЕВ", "РОМАН",
    "ВОРОБЬЁВ", "СЕРГЕЕВ", "КУЗЬМИН", "ФРОЛ",     "АЛЕКСАНДР", "ДМИТРИЕВ", "КОРОЛЁВ",   "ГУСЕВ",
    "КИСЕЛЁВ",  "ИЛЬИН",   "МАКСИМ",  "ПОЛЯК",    "СОРОКИН",   "ВИНОГРАД", "КОВАЛЁВ",   "БЕЛОВ",
    "МЕДВЕДЕВ", "АНТОН",   "ТАРАС",   "ЖУК",      "БАРАН",     "ФИЛИПП",   "КОМАР",     "ДАВЫД",
    "БЕЛЯЕВ",   "ГЕРАСИМ", "БОГДАН",  "ОСИП",     "СИДОРЕНК",  "МАТВЕЕВ",  "ТИТ",       "МАРК",
    "МИРОН",    "КРЫЛ",    "КУЛИК",   "КАРП",     "ВЛАС",      "ЩЕРБАК",   "ЭЙХ",       "ЮДИН",
    "ЦАРЁВ",    "ЧЕРНЫХ",  "ШУБИН",   "ХОХЛ",     "УСТИН",     "ЪЕЗД",     "АБВ",       "АБВА",
    "ЁЛКИН",    "ЕЛКИН",   "ЁЖИК",    "ЕЖОВ",
};
const char* const kMaleEndings[] = {"ОВ", "ЕВ", "ИН", "ЫХ", "", "СКИЙ", "ЕНКО"};
const char* const kFemaleEndings[] = {"ОВА", "ЕВА", "ИНА", "ЫХ", "А", "СКАЯ", "ЕНКО"};
const char* const kInitials = "АБВГДЕЁЖЗИКЛМНОПРСТУФХЦЧШЭЮЯ";
const char* const kLatin[] = {"A", "B", "C", "D", "E", "K", "M", "O", "X", "Z"};

std::vector<std::string> Cp1251List(const char* const* items, size_t count) {
  std::vector<std::string> out;
  for (size_t i = 0; i < count; ++i) out.push_back(text::Utf8ToCp1251(items[i]));
  return out;
}

}  // namespace

std::vector<std::string> SampleNames(size_t count, uint32_t seed) {
  const auto stems = Cp1251List(kStems, std::size(kStems));
  const auto male = Cp1251List(kMaleEndings, std::size(kMaleEndings));
  const auto female = Cp1251List(kFemaleEndings, std::size(kFemaleEndings));
  const auto latin = Cp1251List(kLatin, std::size(kLatin));
  const std::string initials = text::Utf8ToCp1251(kInitials);

  std::mt19937 random(seed);
  const auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
  const auto surname = [&] {
    const bool is_female = pick(2) == 0;
    const auto& endings = is_female ? female : male;
    return stems[pick(stems.size())] + endings[pick(endings.size())];
  };

  std::set<std::string> seen;
  std::vector<std::string> names;
  while (names.size() < count) {
    std::string name = surname();
    switch (pick(40)) {
      case 0:  // a double surname
        name += "-" + surname();
        break;
      case 1:  // an apostrophe
        name.insert(pick(name.size()) + 1, "'");
        break;
      case 2:  // a stray Latin letter
        name += latin[pick(latin.size())];
        break;
      case 3:  // digits
        name += std::to_string(pick(100));
        break;
      case 4:
        name = text::Utf8ToCp1251("О'") + name;
        break;
      default:
        break;
    }
    name += ' ';
    name += initials[pick(initials.size())];
    if (pick(6) != 0) name += initials[pick(initials.size())];
    if (pick(50) == 0) {  // lower case letters now and then
      for (char& c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xC0 && b <= 0xDF && pick(2) == 0) c = static_cast<char>(b + 0x20);
      }
    }
    if (seen.insert(name).second) names.push_back(name);
  }
  return names;
}

}  // namespace testing_support
