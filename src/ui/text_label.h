// A label whose text the game sets, such as the points display.
#pragma once

#include <string>

namespace klotix {

class TextLabel {
 public:
  virtual ~TextLabel() = default;
  virtual void setText(const std::string& text) = 0;
  virtual std::string text() const = 0;
};

}  // namespace klotix
