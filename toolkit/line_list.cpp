#include "toolkit/line_list.h"

#include "base/errors.h"
#include "base/list_file.h"

namespace toolkit {

const std::string& LineList::get(long long index) const {
  if (index < 0 || index >= static_cast<long long>(lines_.size()))
    throw base::listIndexOutOfBounds(index);
  return lines_[static_cast<std::size_t>(index)];
}

void LineList::set(long long index, const std::string& line) {
  get(index);
  lines_[static_cast<std::size_t>(index)] = line;
}

void LineList::remove(long long index) {
  get(index);
  lines_.erase(lines_.begin() + index);
}

void LineList::loadFromFile(std::string_view programPath) {
  lines_ = base::readListFile(programPath);
}

void LineList::saveToFile(std::string_view programPath) const {
  base::writeListFile(programPath, lines_);
}

}  // namespace toolkit
