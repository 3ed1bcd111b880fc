// What the window tests share: small picture bases made from QImages in a
// temporary directory, and where a coded text's link lies.
#ifndef VX_TESTS_CONTROLS_TEST_PICTURES_H_
#define VX_TESTS_CONTROLS_TEST_PICTURES_H_

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "controls/tvx_dyntex.h"
#include "imaging/picture_base.h"
#include "imaging/picture_record.h"
#include "imaging/region_data.h"
#include "tests/support/files.h"

namespace vx::test {

// `width` x `height` pixels of one colour.
QImage Filled(int width, int height, QColor colour);
// Pixel (x, y) is RGB(x, y, blue), so every pixel tells where it came
// from; at most 256 x 256.
QImage Gradient(int width, int height, int blue = 0);

// A picture record holding `image`.
PictureRecord MakePicture(const std::string& name, const QImage& image,
                          const std::string& placement = "");
// The same with a shape (type 10).
PictureRecord MakeShapedPicture(const std::string& name, const QImage& image,
                                std::span<const Rect> shape);

// A picture base "vaxorgrfk" with `pictures`, written into a fresh
// directory and left closed, as the caches expect it.
class TestPictureBase {
 public:
  explicit TestPictureBase(std::vector<PictureRecord> pictures, bool with_index = true);
  TVXbildbas& base() { return base_; }
  const std::filesystem::path& dir() const { return dir_.path(); }
  bool written() const { return written_; }

 private:
  vx::testing::TempDir dir_;
  TVXbildbas base_;
  bool written_ = false;
};

// The middle of the first run of the link to `target` in `display`.
inline QPoint LinkPoint(const TVXdyntex& display, const std::string& target) {
  const TVXkodtxt& layout = display.Kodtxt();
  for (const CodedRun& run : layout.Runs()) {
    if (run.link && layout.Links().at(run.link_index).target == target)
      return QPoint((run.left + run.right) / 2, (run.top + run.bottom) / 2 - display.ViewOffset());
  }
  ADD_FAILURE() << "no link to " << target;
  return QPoint();
}

}  // namespace vx::test

#endif  // VX_TESTS_CONTROLS_TEST_PICTURES_H_
