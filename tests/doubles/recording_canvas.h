#pragma once
// A canvas that keeps every drawing operation, so that tests can assert the
// exact geometry and colours a view produced. Fonts have fixed metrics: every
// character is `averageCharWidth` wide.

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"

namespace lumora::testing {

struct DrawOp {
  enum class Kind { Fill, Line, Text, TextInRect, Icon };
  Kind kind = Kind::Fill;
  Rect rect;   // Fill, TextInRect
  Point from;  // Line; Text and Icon: the point
  Point to;    // Line
  Pen pen;     // Line
  std::string text;
  TextStyle style;
  HAlign align = HAlign::Left;
  CanvasIcon icon = CanvasIcon::Toolbox;
  Rgb color;  // Fill
  std::optional<Rect> clip;
};

class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas() {
    metrics_[FontRole::Grid] = {7, 16};
    metrics_[FontRole::GridBold] = {7, 16};
    metrics_[FontRole::GridItalic] = {7, 16};
    metrics_[FontRole::PairText] = {9, 16};
    metrics_[FontRole::Toolbox] = {6, 15};
    metrics_[FontRole::PrintBlocks] = {5, 9};
    metrics_[FontRole::PrintPairings] = {6, 10};
  }

  void setMetrics(FontRole font, FontMetrics m) { metrics_[font] = m; }
  // Keeps only the count of operations (benchmarks).
  void setCountOnly(bool on) { countOnly_ = on; }

  void fillRect(const Rect& rect, Rgb color) override {
    DrawOp op;
    op.kind = DrawOp::Kind::Fill;
    op.rect = rect;
    op.color = color;
    add(std::move(op));
  }
  void line(Point from, Point to, const Pen& pen) override {
    DrawOp op;
    op.kind = DrawOp::Kind::Line;
    op.from = from;
    op.to = to;
    op.pen = pen;
    add(std::move(op));
  }
  void text(Point at, std::string_view text, const TextStyle& style) override {
    DrawOp op;
    op.kind = DrawOp::Kind::Text;
    op.from = at;
    op.text = std::string(text);
    op.style = style;
    add(std::move(op));
  }
  void textInRect(const Rect& rect, std::string_view text, const TextStyle& style,
                  HAlign align) override {
    DrawOp op;
    op.kind = DrawOp::Kind::TextInRect;
    op.rect = rect;
    op.text = std::string(text);
    op.style = style;
    op.align = align;
    add(std::move(op));
  }
  void icon(Point at, CanvasIcon icon) override {
    DrawOp op;
    op.kind = DrawOp::Kind::Icon;
    op.from = at;
    op.icon = icon;
    add(std::move(op));
  }
  FontMetrics metrics(FontRole font) const override { return metrics_.at(font); }
  int textWidth(std::string_view text, FontRole font) const override {
    return static_cast<int>(text.size()) * metrics_.at(font).averageCharWidth;
  }
  void setClip(const Rect& rect) override { clip_ = rect; }
  void resetClip() override { clip_.reset(); }

  const std::vector<DrawOp>& ops() const { return ops_; }
  std::size_t count() const { return count_; }
  void clear() {
    ops_.clear();
    count_ = 0;
  }

  // The operations that draw exactly `text` (either text kind).
  std::vector<DrawOp> textsEqual(std::string_view text) const {
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops_)
      if ((op.kind == DrawOp::Kind::Text || op.kind == DrawOp::Kind::TextInRect) && op.text == text)
        found.push_back(op);
    return found;
  }
  std::vector<DrawOp> fillsOf(Rgb color) const {
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops_)
      if (op.kind == DrawOp::Kind::Fill && op.color == color) found.push_back(op);
    return found;
  }
  std::vector<DrawOp> linesOf(Rgb color) const {
    std::vector<DrawOp> found;
    for (const DrawOp& op : ops_)
      if (op.kind == DrawOp::Kind::Line && op.pen.color == color) found.push_back(op);
    return found;
  }

 private:
  void add(DrawOp op) {
    ++count_;
    if (countOnly_) return;
    op.clip = clip_;
    ops_.push_back(std::move(op));
  }

  std::map<FontRole, FontMetrics> metrics_;
  std::vector<DrawOp> ops_;
  std::optional<Rect> clip_;
  std::size_t count_ = 0;
  bool countOnly_ = false;
};

}  // namespace lumora::testing
