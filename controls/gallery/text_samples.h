// The coded-text samples of the gallery: a composed birth record on the
// record panel's background and a help text with a heading, links, a table
// and rules on the help window's background, each written as a PNG.
#ifndef VX_CONTROLS_GALLERY_TEXT_SAMPLES_H_
#define VX_CONTROLS_GALLERY_TEXT_SAMPLES_H_

#include <string>

#include "controls/gallery/gallery_pictures.h"

namespace vx {

// The coded texts shown (Windows-1252).
std::string SampleBirthText();
std::string SampleHelpText();

// Writes `dir`/posttext.png and `dir`/hjalptext.png; false (after saying
// why on stderr) when one cannot be written.
bool WriteTextPictures(GalleryPictures& pictures, const std::string& dir);

}  // namespace vx

#endif  // VX_CONTROLS_GALLERY_TEXT_SAMPLES_H_
