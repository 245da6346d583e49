// directory_generator: writes the synthetic town directory that the program
// ships, resources/directory.txt. The town's real names and numbers are not
// available, so this program makes up a directory of the same shape; a
// maintainer replaces the file with real data and never needs this tool again.
//
// Usage:  directory_generator OUTPUT          write the directory
//         directory_generator --verify FILE   exit 1 unless FILE is what it would write
//
// The directory source format (read by tools/directory_source.h):
//   * UTF-8 text, lines ending in "\n" (a "\r" before it is tolerated);
//   * the first line is the header "NAME<TAB>NUMBER";
//   * then one line per phone number: the person's full name, one TAB, and
//     the five-digit number (10000 to 99999); the rows of one person share
//     the name, and their order is the order of the person's numbers;
//   * empty lines and lines starting with "#" are ignored.
//
// What the generated directory holds (fixed: the build's test
// directory_generator_reproduces_source holds the shipped file to what this
// program writes; the program's own tests rely on none of these figures):
//   * 25,937 distinct persons, 28,130 distinct numbers from 10000 to 99999
//     in no ascending order, the rows sorted by name;
//   * names "SURNAME IO": a Russian surname in its male or female form, one
//     space, two initials; 5 to 18 bytes in 1251; together 275,727 bytes, so
//     that the person packet is exactly 405,487 bytes (25,937 rows of 5 bytes
//     + the names + 75 bytes of header and metadata);
//   * surnames drawn by a frequency table headed by ИВАНОВ, so the initial
//     letters fall as in a real Russian directory; some names with Ё;
//   * exactly two names with a Latin letter, one with a digit and one with a
//     hyphen (a double surname): the typing slips of a real directory;
//   * numbers per person exactly 24,231 x 1, 1,372 x 2, 240 x 3, 57 x 4,
//     22 x 5, 9 x 6, 5 x 7 and 1 x 8, the persons with several numbers
//     chosen at random over the whole alphabet, their numbers never in
//     ascending order.
//
// Every choice comes from one pseudo-random generator with a fixed seed and
// our own reduction of its output, so the file is the same on every machine
// and standard library.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "text/cp1251.h"

namespace {

constexpr size_t kPersons = 25'937;
constexpr size_t kNameBytes = 275'727;
constexpr size_t kMinName = 5, kMaxName = 18;
// Persons with 1, 2, ... 8 numbers.
constexpr std::array<size_t, 8> kNumbersPerPerson = {24'231, 1'372, 240, 57, 22, 9, 5, 1};
constexpr uint64_t kSeed = 0x70686F6E65626F6FULL;

// splitmix64: tiny, well mixed, and fully specified here.
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // Uniform in [0, n), n > 0 (the bias of the modulo is below 2^-40 here).
  size_t Below(size_t n) { return static_cast<size_t>(Next() % n); }
  // Uniform in [0, 1).
  double Unit() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

  template <typename T>
  void Shuffle(std::vector<T>& items) {
    for (size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[Below(i)]);
  }

 private:
  uint64_t state_;
};

// Common surnames in their male form, roughly by how often they occur in
// Russian towns (ИВАНОВ first). Ё is written where it belongs in some of
// them, and as Е in others, as real directories do.
constexpr const char* kCommonSurnames =
    "ИВАНОВ СМИРНОВ КУЗНЕЦОВ ПОПОВ ВАСИЛЬЕВ ПЕТРОВ СОКОЛОВ МИХАЙЛОВ НОВИКОВ ФЁДОРОВ "
    "МОРОЗОВ ВОЛКОВ АЛЕКСЕЕВ ЛЕБЕДЕВ СЕМЁНОВ ЕГОРОВ ПАВЛОВ КОЗЛОВ СТЕПАНОВ НИКОЛАЕВ "
    "ОРЛОВ АНДРЕЕВ МАКАРОВ НИКИТИН ЗАХАРОВ ЗАЙЦЕВ СОЛОВЬЁВ БОРИСОВ ЯКОВЛЕВ ГРИГОРЬЕВ "
    "РОМАНОВ ВОРОБЬЁВ СЕРГЕЕВ КУЗЬМИН ФРОЛОВ АЛЕКСАНДРОВ ДМИТРИЕВ КОРОЛЁВ ГУСЕВ КИСЕЛЁВ "
    "ИЛЬИН МАКСИМОВ ПОЛЯКОВ СОРОКИН ВИНОГРАДОВ КОВАЛЁВ БЕЛОВ МЕДВЕДЕВ АНТОНОВ ТАРАСОВ "
    "ЖУКОВ БАРАНОВ ФИЛИППОВ КОМАРОВ ДАВЫДОВ БЕЛЯЕВ ГЕРАСИМОВ БОГДАНОВ ОСИПОВ СИДОРОВ "
    "МАТВЕЕВ ТИТОВ МАРКОВ МИРОНОВ КРЫЛОВ КУЛИКОВ КАРПОВ ВЛАСОВ МЕЛЬНИКОВ ДЕНИСОВ "
    "ГАВРИЛОВ ТИХОНОВ КАЗАКОВ АФАНАСЬЕВ ДАНИЛОВ САВЕЛЬЕВ ТИМОФЕЕВ ФОМИН ЧЕРНОВ АБРАМОВ "
    "МАРТЫНОВ ЕФИМОВ ФЕДОТОВ ЩЕРБАКОВ НАЗАРОВ КАЛИНИН ИСАЕВ ЧЕРНЫШЁВ БЫКОВ МАСЛОВ "
    "РОДИОНОВ КОНОВАЛОВ ЛАЗАРЕВ ВОРОНИН КЛИМОВ ФИЛАТОВ ПОНОМАРЁВ ГОЛУБЕВ КУДРЯВЦЕВ ПРОХОРОВ "
    "НАУМОВ ПОТАПОВ ЖУРАВЛЁВ ОВЧИННИКОВ ТРОФИМОВ ЛЕОНОВ СОБОЛЕВ ЕРМАКОВ КОЛЕСНИКОВ ГОНЧАРОВ "
    "ЕМЕЛЬЯНОВ НИКИФОРОВ ГРАЧЁВ КОТОВ ГРИШИН ЕФРЕМОВ АРХИПОВ ГРОМОВ КИРИЛЛОВ МАЛЫШЕВ "
    "ПАНОВ МОИСЕЕВ РУМЯНЦЕВ АКИМОВ КОНДРАТЬЕВ БИРЮКОВ ГОРБУНОВ АНИСИМОВ ЕРЁМИН ТИХОМИРОВ "
    "ГАЛКИН ЛУКЬЯНОВ МИХЕЕВ СКВОРЦОВ ЮДИН БЕЛОУСОВ НЕСТЕРОВ СИМОНОВ ПРОКОФЬЕВ ХАРИТОНОВ "
    "КНЯЗЕВ ЦВЕТКОВ ЛЕВИН МИТРОФАНОВ ВОРОНЦОВ ГЛУШКОВ САВИН ШАРОВ ЖДАНОВ БОБРОВ "
    "ПАХОМОВ ВИНОКУРОВ СЕЛЕЗНЁВ ШУБИН ШИРЯЕВ ИГНАТОВ КОРНИЛОВ ЗУЕВ КУДРИН ВЕСЕЛОВ "
    "БЛИНОВ БЕЛОЗЁРОВ ЛОГИНОВ БЛОХИН КАПУСТИН ГОРДЕЕВ ЧЕРНЯКОВ МУХИН ЕВДОКИМОВ ДОРОФЕЕВ "
    "КОЧЕТКОВ КАБАНОВ ЖИЛИН ЗИМИН ЛАПИН МАЙОРОВ БЕСПАЛОВ ЧИСТЯКОВ ДЬЯКОНОВ ЛЫТКИН "
    "ШИЛОВ МЕЛЕХОВ ЛЫСЕНКО ДЕМИДОВ ЕЛИСЕЕВ ПЛАТОНОВ КУЗЬМИЧЁВ БУРОВ ВЛАДИМИРОВ ИГНАТЬЕВ "
    "САМОЙЛОВ ТЕРЕНТЬЕВ ВИШНЯКОВ ПЕСТОВ РЯБОВ ЯШИН ВЕРЕЩАГИН ЗЫКОВ ЛОБАНОВ КОНОНОВ "
    "КАРАСЁВ ШЕВЧЕНКО КОВАЛЕНКО БОНДАРЕНКО ТКАЧЕНКО КРАВЧЕНКО ЛИТВИНЕНКО КОВАЛЬЧУК ПОЛИЩУК "
    "САВЧУК ТКАЧУК МАРЧУК РУДЕНКО ЛЕВЧЕНКО ЧЕРНЫХ СЕДЫХ ДОЛГИХ БЕЛЫХ КРУГЛЫХ "
    "ОСТРОВСКИЙ КОВАЛЕВСКИЙ ЯНКОВСКИЙ ПОКРОВСКИЙ ВОСКРЕСЕНСКИЙ ПРЕОБРАЖЕНСКИЙ ЗАВАДСКИЙ "
    "ПОЛЯНСКИЙ ЖУКОВСКИЙ КРАСОВСКИЙ ЛЕВИЦКИЙ ТРОИЦКИЙ ВЫСОЦКИЙ ГОРОДЕЦКИЙ БЕЛЕЦКИЙ "
    "ПЕТРОПАВЛОВСКИЙ БЛАГОВЕЩЕНСКИЙ ТОЛСТОЙ ЛАНСКОЙ БЕЛЫЙ КРАВЕЦ МЕЛЬНИК КОВАЛЬ ГОНЧАР "
    "ШВЕЦ РЫБАК ЖУК КИМ ЦОЙ ПАК ЛИ ЮН ТЕН ХАН ЭЙДЕЛЬМАН ЭПШТЕЙН ГЕРЦ ШМИДТ ФИШЕР "
    "ЁЛКИН ЛЁВКИН ПОТЁМКИН ПУГАЧЁВ ЩЕГЛОВ ЩУКИН ЩЕРБИНИН ЦАРЁВ ЦЫГАНОВ ЧЕРКАСОВ ЧУРИЛОВ "
    "ШАПОВАЛОВ ШУВАЛОВ ШАРАПОВ ЮРЬЕВ ЮШКОВ ЯКУШЕВ ЯРОСЛАВЦЕВ УСТИНОВ УШАКОВ УВАРОВ "
    "ХОХЛОВ ХРОМОВ ХУДЯКОВ ЭДЕЛЬШТЕЙН ЭРДМАН АГАФОНОВ АКСЁНОВ АРТЕМЬЕВ БАЖЕНОВ БУЛГАКОВ "
    "ВАВИЛОВ ГАЛИЦКИЙ ГУЛЯЕВ ДЕМЕНТЬЕВ ЕЖОВ ЗОТОВ ИВАШКИН ИВЛЕВ ИВАНЧЕНКО ИВАНОВСКИЙ "
    "ИВАНИН ИВАШОВ ИВАНЬКОВ ИВАКИН ИВОЧКИН ИВАНЮК ИВАНЦОВ ИВАНИЩЕВ ИВАНУШКИН ИВАШИНЦОВ";

// Roots and endings that make the long tail of rarer surnames.
constexpr const char* kRoots =
    "БЕРЁЗ ДУБ ЛИП ОСИН СОСН ЕЛЬЦ КЛЁН ГОРОХ РЕП КАПУСТ БОЛОТ ЛУГ ПОЛ РЕЧ ОЗЕР "
    "КАМЕН ГЛИН ПЕСК СНЕГ МОРОЗ ТУЧ ГРОМ ВЕТР ЗОР ВЕСН ЗИМ ЛЕТ ОСЕН ГОЛУБ ГРАЧ "
    "СОРОК ВОРОН СКВОРЦ СИНИЦ ДРОЗД СОКОЛ ЯСТРЕБ ЛЕБЕД ГУС УТК ЖУРАВ ФИЛИН СОВ "
    "МЕДВЕД ВОЛЧ ЛИС ЗАЙЧ БАРСУК КУНИЦ СОБОЛ БОБР ЕНОТ КОЗ БАРАН БЫЧ ТЕЛЯТ "
    "КОНЮХ ПАСТУХ КУЗНЕЧ ПЛОТНИК СТОЛЯР БОНДАР ГОНЧАРН ТКАЧ КРАВЧ САПОЖН МЕЛЬН ПЕКАР "
    "ХЛЕБН КВАСН МЕДН СЕРЕБРЯН ЗОЛОТ ЖЕЛЕЗН СВИНЦ ОЛОВЯН СТРЕЛ ЛУЧН КОПЕЙН "
    "БЕЛ ЧЕРН РЫЖ СЕД РУС КУДР ЛЫС ДОЛГ КОРОТ ТОЛСТ ТОНК ВЕСЕЛ ТИХ ГРОЗН МИЛ "
    "ДОБР ХРАБР УМН СЛАВ РАД ЛЮБ БОГ СВЯТ ПОСТН ПРАЗДН СУББОТ ПЯТНИЦ НЕДЕЛ "
    "ПЕРВ ТРЕТЬЯК ШЕСТАК СЕМЁН ОСЬМИН ДЕВЯТ ДЕСЯТН СОТН ТЫСЯЧ ГОРОДН СЕЛЬСК "
    "ЗАРЕЧН ЗАГОРН ПОДГОРН ЛЕСН ПОЛЕВ ЛУГОВ САДОВН ПОЛЯН ДУБРОВ БОРОВ";
constexpr std::array<const char*, 8> kEndings = {"ОВ", "ИН", "ЕВ", "ИКОВ", "ЧИКОВ", "ОВСКИЙ", "ЕНКО", "УХИН"};

// Initials: first names and patronymics, weighted as they occur.
constexpr std::array<std::pair<const char*, double>, 26> kFirstInitials = {{
    {"А", 15}, {"В", 12}, {"С", 9}, {"Н", 7}, {"Е", 7},   {"М", 7},   {"И", 6},   {"Л", 6},   {"О", 5},
    {"Т", 5},  {"Д", 5},  {"Г", 4}, {"Ю", 4}, {"П", 3},   {"Р", 3},   {"К", 3},   {"З", 2},   {"Б", 2},
    {"Я", 1},  {"Э", 1},  {"Ф", 1}, {"Ж", 1}, {"У", 0.3}, {"Х", 0.2}, {"Ш", 0.1}, {"Ч", 0.1},
}};
constexpr std::array<std::pair<const char*, double>, 20> kPatronymicInitials = {{
    {"А", 18}, {"В", 16}, {"И", 12}, {"Н", 10}, {"С", 10}, {"М", 7}, {"П", 7}, {"Г", 6}, {"Д", 6}, {"Ю", 5},
    {"Е", 4},  {"Ф", 3},  {"Б", 3},  {"Л", 3},  {"Р", 3},  {"К", 2}, {"Т", 2}, {"О", 2}, {"Я", 2}, {"Э", 1},
}};

// The names no drawing makes: the typing slips (Latin С and А for Cyrillic,
// a zero for О), a double surname, and the shortest and longest names.
constexpr std::array<const char*, 6> kSpecialNames = {
    "CОКОЛОВ АП",          // Latin C
    "ПОПОВА НA",           // Latin A
    "ВОЛК0В ДИ",           // digit zero
    "ПЕТРОВ-ВОДКИН КС",    // double surname
    "ЛИ ВС",               // 5 bytes
    "ПЕТРОПАВЛОВСКАЯ ЕА",  // 18 bytes
};

std::vector<std::string> Words(std::string_view text) {
  std::vector<std::string> out;
  std::istringstream in{std::string(text)};
  for (std::string w; in >> w;) out.push_back(w);
  return out;
}

bool EndsWith(std::string_view s, std::string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// The female form of a male surname (UTF-8).
std::string FemaleForm(const std::string& male) {
  for (const char* tail : {"ОВ", "ЕВ", "ЁВ", "ИН", "ЫН"}) {
    if (EndsWith(male, tail)) return male + "А";
  }
  for (const char* tail : {"ИЙ", "ЫЙ", "ОЙ"}) {
    if (EndsWith(male, tail)) return male.substr(0, male.size() - std::string_view(tail).size()) + "АЯ";
  }
  return male;  // -ЕНКО, -УК, -ЫХ, -ИХ and foreign names do not change
}

size_t Cp1251Length(const std::string& utf8) {
  return text::Utf8ToCp1251(utf8).size();
}

// Draws an index by weight.
class WeightedChoice {
 public:
  void Add(double weight) {
    total_ += weight;
    cumulative_.push_back(total_);
  }
  size_t Pick(Random& random) const {
    const double x = random.Unit() * total_;
    const auto it = std::upper_bound(cumulative_.begin(), cumulative_.end(), x);
    return std::min(static_cast<size_t>(it - cumulative_.begin()), cumulative_.size() - 1);
  }

 private:
  std::vector<double> cumulative_;
  double total_ = 0;
};

struct Surname {
  std::string male, female;
};

struct Person {
  std::string name;  // UTF-8
  std::string surname;
  std::string initials;
  bool female = false;
  bool special = false;
  std::vector<int> numbers;
};

std::string MakeName(const std::string& surname, const std::string& initials) {
  return surname + " " + initials;
}

// Draws the persons' names: the specials, then names by frequency until
// there are kPersons distinct ones.
std::vector<Person> DrawNames(Random& random) {
  std::vector<Surname> surnames;
  WeightedChoice by_frequency;
  const auto common = Words(kCommonSurnames);
  for (size_t rank = 0; rank < common.size(); ++rank) {
    surnames.push_back({common[rank], FemaleForm(common[rank])});
    by_frequency.Add(1.0 / (static_cast<double>(rank) + 6.0));
  }
  const auto roots = Words(kRoots);
  for (const std::string& root : roots) {
    for (const char* ending : kEndings) {
      const std::string male = root + ending;
      if (Cp1251Length(male) > kMaxName - 3) continue;
      surnames.push_back({male, FemaleForm(male)});
      by_frequency.Add(0.0005);
    }
  }
  WeightedChoice first, patronymic;
  for (const auto& [letter, weight] : kFirstInitials) first.Add(weight);
  for (const auto& [letter, weight] : kPatronymicInitials) patronymic.Add(weight);

  std::set<std::string> taken;
  std::vector<Person> persons;
  for (const char* special : kSpecialNames) {
    persons.push_back({special, {}, {}, false, true, {}});
    taken.insert(special);
  }
  while (persons.size() < kPersons) {
    const Surname& s = surnames[by_frequency.Pick(random)];
    const bool female = random.Below(100) < 53;
    // Two statements: the order of two draws in one expression is the
    // compiler's choice, and the directory must not depend on the compiler.
    // The patronymic's initial is drawn first, as the shipped file was made.
    const size_t patronymic_initial = patronymic.Pick(random);
    const size_t first_initial = first.Pick(random);
    const std::string initials =
        std::string(kFirstInitials[first_initial].first) + kPatronymicInitials[patronymic_initial].first;
    const std::string& surname = female ? s.female : s.male;
    const std::string name = MakeName(surname, initials);
    const size_t length = Cp1251Length(name);
    if (length < kMinName || length > kMaxName || !taken.insert(name).second) continue;
    persons.push_back({name, s.male, initials, female, false, {}});
  }
  return persons;
}

// Brings the names' byte total to exactly kNameBytes by switching persons
// whose surname changes length with the gender (ИВАНОВ / ИВАНОВА) to the
// other form. Returns false when that cannot reach the total.
bool AdjustNameBytes(std::vector<Person>& persons, Random& random) {
  size_t total = 0;
  std::set<std::string> taken;
  for (const Person& p : persons) {
    total += Cp1251Length(p.name);
    taken.insert(p.name);
  }
  std::vector<size_t> order(persons.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  random.Shuffle(order);
  for (size_t i : order) {
    if (total == kNameBytes) break;
    Person& p = persons[i];
    if (p.special) continue;
    const bool need_longer = total < kNameBytes;
    if (p.female == need_longer) continue;  // a switch would go the wrong way
    const std::string other = MakeName(need_longer ? FemaleForm(p.surname) : p.surname, p.initials);
    const size_t old_length = Cp1251Length(p.name), new_length = Cp1251Length(other);
    if (new_length != (need_longer ? old_length + 1 : old_length - 1)) continue;
    if (new_length > kMaxName || new_length < kMinName || taken.count(other)) continue;
    taken.erase(p.name);
    taken.insert(other);
    p.name = other;
    p.female = need_longer;
    total = need_longer ? total + 1 : total - 1;
  }
  return total == kNameBytes;
}

// Gives every person its numbers: the counts of kNumbersPerPerson spread at
// random over the persons, the numbers a random sample of 10000..99999, and
// each several-number person's list put out of ascending order.
void AssignNumbers(std::vector<Person>& persons, Random& random) {
  std::vector<size_t> counts;
  for (size_t k = 0; k < kNumbersPerPerson.size(); ++k)
    counts.insert(counts.end(), kNumbersPerPerson[k], k + 1);
  random.Shuffle(counts);
  std::vector<int> numbers;
  for (int n = 10000; n <= 99999; ++n) numbers.push_back(n);
  random.Shuffle(numbers);
  size_t next = 0;
  for (size_t i = 0; i < persons.size(); ++i) {
    auto& mine = persons[i].numbers;
    mine.assign(numbers.begin() + static_cast<std::ptrdiff_t>(next),
                numbers.begin() + static_cast<std::ptrdiff_t>(next + counts[i]));
    next += counts[i];
    if (mine.size() > 1 && std::is_sorted(mine.begin(), mine.end())) std::swap(mine[0], mine[1]);
  }
}

std::string Generate() {
  Random random(kSeed);
  std::vector<Person> persons = DrawNames(random);
  if (!AdjustNameBytes(persons, random)) {
    std::cerr << "directory_generator: the name lengths cannot reach the total\n";
    std::exit(2);
  }
  // Sorted by the names' 1251 bytes, which is the order a reader expects.
  std::sort(persons.begin(), persons.end(), [](const Person& a, const Person& b) {
    return text::Utf8ToCp1251(a.name) < text::Utf8ToCp1251(b.name);
  });
  AssignNumbers(persons, random);
  std::string out = "NAME\tNUMBER\n";
  for (const Person& p : persons) {
    for (int number : p.numbers) out += p.name + "\t" + std::to_string(number) + "\n";
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string_view usage = "usage: directory_generator OUTPUT | --verify FILE\n";
  if (argc == 3 && std::string_view(argv[1]) == "--verify") {
    std::ifstream in(argv[2], std::ios::binary);
    std::ostringstream existing;
    existing << in.rdbuf();
    if (!in || existing.str() != Generate()) {
      std::cerr << argv[2] << ": differs from what directory_generator writes\n";
      return 1;
    }
    return 0;
  }
  if (argc != 2 || argv[1][0] == '-') {
    std::cerr << usage;
    return 2;
  }
  std::ofstream out(argv[1], std::ios::binary);
  out << Generate();
  out.close();
  if (!out) {
    std::cerr << "directory_generator: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
