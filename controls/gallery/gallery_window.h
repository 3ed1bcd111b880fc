// kuvo-galleri's window: every control of the program in each of its
// states, on the program's own backgrounds, and every picture of the
// program's picture base.
#ifndef VX_CONTROLS_GALLERY_GALLERY_WINDOW_H_
#define VX_CONTROLS_GALLERY_GALLERY_WINDOW_H_

#include <QWidget>

#include "controls/gallery/gallery_pictures.h"

namespace vx {

class TVXpanel;

class GalleryWindow : public QWidget {
 public:
  GalleryWindow(GalleryPictures& pictures, QWidget* parent = nullptr);

  // Puts the buttons that show a hover or pressed look into that state;
  // the window must be shown first.
  void ShowHoverStates();

 private:
  void AddHeading(TVXpanel* root);
  void AddResultPanels(TVXpanel* root);
  void AddCommandButtons(TVXpanel* root);
  void AddButtonStates(TVXpanel* root);
  void AddScrollBars(TVXpanel* root);
  void AddPictureSheet(TVXpanel* root);

  GalleryPictures& pictures_;
  std::vector<QWidget*> hovered_;
};

}  // namespace vx

#endif  // VX_CONTROLS_GALLERY_GALLERY_WINDOW_H_
