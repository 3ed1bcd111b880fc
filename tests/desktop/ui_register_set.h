// The register sets of the window tests: a source folder built with the
// program's pictures, as every set the builder writes has them.
#ifndef VX_TESTS_DESKTOP_UI_REGISTER_SET_H_
#define VX_TESTS_DESKTOP_UI_REGISTER_SET_H_

#include <gtest/gtest.h>

#include <filesystem>

#include "builder/register_set_builder.h"
#include "catalogue/catalogue_declaration.h"
#include "controls/picture_set.h"
#include "imaging/program_picture_records.h"
#include "imaging/program_pictures.h"
#include "session/session.h"
#include "tests/support/source_fixture.h"

namespace vx::testing {

// Builds dir/kalla into dir/data and writes dir/kuvo.ini naming it.
inline ::testing::AssertionResult BuildUiSet(const std::filesystem::path& dir) {
  BuildOptions options{dir / "kalla", dir / "data", 1, {}, ToPictureRecords(ProgramPictures())};
  BuildSummary summary;
  SourceError error;
  if (!BuildRegisterSet(options, summary, error))
    return ::testing::AssertionFailure() << error.ToString();
  WriteText(dir / "kuvo.ini", "[hdbaser]\nhdbasen=" + (dir / "data").string() + "/\n");
  return ::testing::AssertionSuccess();
}

// The same, then opened in `session` with the windows' picture caches in
// `pictures` (owned by the caller).
inline ::testing::AssertionResult OpenUiSet(const std::filesystem::path& dir, Session& session,
                                            PictureSet*& pictures) {
  if (::testing::AssertionResult built = BuildUiSet(dir); !built) return built;
  if (const Status status = session.Open(dir / "kuvo.ini"); !status.ok())
    return ::testing::AssertionFailure() << status.message();
  pictures = new PictureSet(*session.catalogue().PictureBase(kProgramPictureBase),
                            *session.catalogue().PictureBase(kSetPictureBase));
  return ::testing::AssertionSuccess();
}

}  // namespace vx::testing

#endif  // VX_TESTS_DESKTOP_UI_REGISTER_SET_H_
