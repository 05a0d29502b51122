#pragma once
// The common state of every control of the model: place and size in its parent, the visible and
// enabled flags, the hint, the mouse cursor over it. Each mutation bumps revision(), which the Qt
// views compare to know when to copy the state again.
#include <cstdint>
#include <string>

namespace toolkit {

/// A colour in the toolkit's encoding: 0x00BBGGRR for a plain colour (12632256 is silver).
using Color = std::int32_t;
inline constexpr Color kSilver = 12632256;
inline constexpr Color kBlack = 0;

enum class Cursor { Default, Hourglass, NoDrop, NoEntry, HandPoint, Help };

struct Geometry {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Geometry&) const = default;
};

class Control {
 public:
  virtual ~Control() = default;

  std::uint64_t revision() const { return revision_; }

  const Geometry& geometry() const { return geometry_; }
  void setGeometry(const Geometry& geometry) { assign(geometry_, geometry); }
  bool visible() const { return visible_; }
  void setVisible(bool visible) { assign(visible_, visible); }
  bool enabled() const { return enabled_; }
  void setEnabled(bool enabled) { assign(enabled_, enabled); }
  const std::string& hint() const { return hint_; }
  void setHint(const std::string& hint) { assign(hint_, hint); }
  Cursor cursor() const { return cursor_; }
  void setCursor(Cursor cursor) { assign(cursor_, cursor); }

 protected:
  void touch() { ++revision_; }
  /// Sets a field and bumps the revision only when the value actually changes.
  template <typename T>
  bool assign(T& field, const T& value) {
    if (field == value) return false;
    field = value;
    touch();
    return true;
  }

 private:
  std::uint64_t revision_ = 0;
  Geometry geometry_;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  Cursor cursor_ = Cursor::Default;
};

}  // namespace toolkit

namespace toolkit {

/// A plain container control (the window's two panels): place, size and cursor only.
class Panel : public Control {};

}  // namespace toolkit
