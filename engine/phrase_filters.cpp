#include "engine/phrase_filters.h"

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "base/cp1251.h"

namespace engine {

namespace {

std::vector<std::string> toCp1251(std::initializer_list<std::string_view> fragments) {
  std::vector<std::string> converted;
  converted.reserve(fragments.size());
  for (const auto fragment : fragments) converted.push_back(base::utf8ToCp1251(fragment));
  return converted;
}

}  // namespace

const std::vector<std::string>& Cenzura() {
  static const std::vector<std::string> fragments = toCp1251({
      " ЛОХ",       " ТРУС ",    " ТРУС,",    " ТРУС.",        " ТРУС!",  " ХАМ",     "АЛКАШ",
      "БЕЗ МОЗГОВ", "БЕЗМОЗГЛ",  "БЕСТОЛКОВ", "БЕСТОЛОЧЬ",     "БЛУДЛИВ", "БЛУДНИЦА", "БЛЯ ",
      "БЛЯ,",       "БЛЯ.",      "БЛЯ!",      "БЛЯ?",          "БЛЯДИ",   "БЛЯДЬ",    "БОЛВАН",
      "ВОНЮЧКА",    "ВЫРОДК",    "ВЫРОДОК",   "ГАД ",          "ГАД,",    "ГАД.",     "ГАД!",
      "ГАДИН",      "ДОДИК",     "ДРОЧУН",    "ЖЕРТВА АБОРТА", "ЖМУРИК",  "ЕБАТЬ",    "ЕБЛАН",
      "ЕБЛО",       "ДЕБИЛ",     "ДУРА",      "ДУРЕНЬ",        "ДУРИК",   "ДУРОЙ",    "ДУРОЧ",
      "ДУРЫ",       "КУРТИЗАН",  "МАНДА",     "МАНДЮ",         "МРАЗЬ",   "МУДАК",    "МУДИЛ",
      "МУДАЗВОН",   "МУДАЕБ",    "МУДАЁБ",    "МУДОЗВОН",      "МУРЛО",   "НЕДОНОСК", "НЕДОНОСОК",
      "НЕДОУМ",     "ОТСОСИ",    "ПАДЛ",      "ПОДЛ",          "ПИЗД",    "ПОДОН",    "ПРИДУРОК",
      "ПРОСТИТНЯ",  "ПРОСТИТУТ", "ПЬЯНЬ",     "СЛАБОУМН",      "СЛИЗНЯ",  "СУКА",     "СУКИ",
      "СУКУ",       "СУЧАРА",    "СУЧКА",     "СУЧКИ",         "СУЧОК",   "ТВАРЬ",    "ТЕБЯ СОТРУ",
      "ТРАХАТЬ",    "ТРАХНУТ",   "ТУПОЙ",     "УБЛЮД",         "УЁБИЩ",   "УПЫР",     "УРОД",
      "ХЕР ",       "ХЕР,",      "ХЕР.",      "ХЕР!",          "ХЕР?",    "ХУИ",      "ХУЙ",
      "ЧМО",        "ЧУРБАН",    "ЧУРК",      "ШАЛАВА",        "ШАЛАВКА", "ШЛЮХА",    "ШЛЮШ",
      "Я СОТРУ",
  });
  return fragments;
}

const std::vector<std::string>& Filter_nr() {
  static const std::vector<std::string> fragments = toCp1251({
      "FUCK",       " ЕБУ",      " ИМЯ",       " ЛЕТ",    "АНАНИР",     "АНОНИР",       "В ТУАЛЕТ",
      "ВИДЕ",       "ВИЖУ",      "ВОЛОС",      "ГОВОРЮ",  "ДЕМОНТИРУЮ", "ДРОЧА",        "ДРОЧИ",
      "ДРОЧУ",      "ДЫШАТЬ",    "ДЫШУ",       "ЕБАТЬ",   "ЖАРКО",      "ЖИВ",          "ЖИЗН",
      "ЖОП",        "ЖРАТЬ",     "ЗАЕБА",      "ЗВАТЬ",   "ЗОВУТ",      "ИГРАЕМ",       "ИГРАТЬ",
      "ИГРАЮ",      "ИЗ ПЛОТИ",  "ИМЯ ",       "КАКАТЬ",  "КРОВЬ",      "КУШАТЬ",       "ЛЕТ ",
      "ЛЕТАТЬ",     "ЛЕТЕТЬ",    "ЛЮБИЛ",      "ЛЮБЛЮ",   "МАМА",       "МАМОЙ",        "МАМОЧК",
      "МАМУ",       "МАСТУРБИР", "МЕНЯ ЗОВУТ", "НАДРАЧИ", "НЕ ПРОГА",   "НЕ ПРОГРАММА", "НЕ РОБОТ",
      "НОГА",       "НОГИ",      "ОРГАН",      "ПАПА",    "ПАПОЙ",      "ПАПОЧК",       "ПАПУ",
      "ПЕРЕДЕЛАТЬ", "ПЕТЬ",      "ПИСАТЬ",     "ПИСЬ",    "ПИСЯ",       "ПИТЬ",         "ПОБЕЖАЛ",
      "ПОГОД",      "ПОДОЖДИ",   "ПОДРАЧИВА",  "ПОЕБА",   "ПОЁБЫ",      "ПОЙДЁМ",       "ПОПА",
      "ПОПК",       "ПОШЛИ",     "ПРОГРАММОЙ", "РОДИЛ",   "РОДИТЕЛ",    "РОДСТВЕННИК",  "РОЖДЁН",
      "РУКА",       "РУКИ",      "СЛЫША",      "СЛЫШИ",   "СЛЫШУ",      "СМОТРЮ",       "СОТРУ",
      "СПАЛ",       "СПАТЬ",     "СПЛЮ",       "ТЕЛО",    "УДАЛЮ",      "УМРУ",         "УСТАЛ",
      "УСТАЮ",      "УХОЖУ",     "ХОДИТЬ",     "ХОЛОДНО", "ХОЧУ",       "ЧЕЛОВЕК",      "ЧУВСТВО",
      "ЧУВСТВУЮ",   "ШЕРСТ",
  });
  return fragments;
}

bool holdsFragment(const std::vector<std::string>& fragments, const PreparedPhrase& phrase) {
  return std::any_of(fragments.begin(), fragments.end(),
                     [&phrase](const std::string& fragment) { return phrase.find(fragment); });
}

bool InsultFilter::answerInsult(const PreparedPhrase& phrase) {
  if (!holdsFragment(Cenzura(), phrase)) return false;
  state_.CpuPhrase = files_.pick(files::kX);
  KnowledgeFiles::append(files::kCollection, ">>> " + state_.UserPhrase);
  return true;
}

}  // namespace engine
