// TextMeasurer over Qt's fonts: the six levels of coded text in "Times New
// Roman" (Liberation Serif through fontconfig) at their point sizes, for a
// device of a given resolution.
//
// Widths add up per character: shaping, kerning and ligatures are off, so
// that a run's width is the sum of its characters' advances, as the layout
// assumes when it cuts runs anywhere. The advances are cached per face with
// their fractions, which Qt keeps when it places glyphs, and only the sum
// is rounded; so a run drawn at its left edge ends where it was measured
// to end.
#ifndef VX_CONTROLS_QT_TEXT_MEASURER_H_
#define VX_CONTROLS_QT_TEXT_MEASURER_H_

#include <QFont>
#include <QPaintDevice>
#include <QString>
#include <array>
#include <string_view>

#include "codedtext/coded_text.h"

namespace vx {

// Windows-1252 bytes as a QString.
QString FromCp1252(std::string_view text);

class QtTextMeasurer : public TextMeasurer {
 public:
  // The screen: points at 96 dpi.
  QtTextMeasurer() : QtTextMeasurer(96, nullptr) {}
  // Fonts sized for `dpi` and measured on `device` (not owned; may be null)
  // when its resolution differs from the screen's, as a printer's does.
  QtTextMeasurer(int dpi, QPaintDevice* device);

  int Width(const CodedFont& font, std::string_view text) const override;
  // The font's pixel (em) size at the device's resolution.
  int Height(int level) const override;

  // The font that draws `font`, with the same settings as measured.
  const QFont& Font(const CodedFont& font) const;
  // The ascent of `font`, to place a text by its top, and the height of
  // its character cell (ascent and descent), which opaque text fills.
  int Ascent(const CodedFont& font) const;
  int CellHeight(const CodedFont& font) const;
  int Dpi() const { return dpi_; }

 private:
  // One face: a level with bold and italic (underline does not change
  // widths, but has a font of its own).
  struct Face {
    QFont font;
    int ascent = 0;
    int cell_height = 0;
    std::array<qreal, 256> advances{};
    bool measured = false;
  };
  static constexpr int kFaces = kCodedLevels * 8;
  Face& FaceOf(const CodedFont& font) const;
  void Measure(Face& face) const;

  int dpi_;
  QPaintDevice* device_;
  mutable std::array<Face, kFaces> faces_;
};

}  // namespace vx

#endif  // VX_CONTROLS_QT_TEXT_MEASURER_H_
