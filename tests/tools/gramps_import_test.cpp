// kuvo-sok --format gedcom read by a real family-tree program: Gramps
// imports each register's hits on the sample set into a new family tree
// without a complaint, and the GEDCOM file it exports from that tree holds
// the same people, families, events, notes and sources as ours. Skipped
// where Gramps is not installed (scripts/install-deps installs it).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/support/files.h"

namespace vx {
namespace {

namespace fs = std::filesystem;
using testing::ProcessResult;
using testing::RunProcess;
using testing::TempDir;

const fs::path kIni = fs::path(VX_KUVO_SOK).parent_path() / "kuvo.ini";

// One GEDCOM line with the lines below it.
struct Node {
  std::string xref;  // "@I1@" on a record's line, else empty
  std::string tag;
  std::string value;
  std::vector<Node> children;

  std::vector<const Node*> All(const std::string& wanted) const {
    std::vector<const Node*> out;
    for (const Node& child : children)
      if (child.tag == wanted) out.push_back(&child);
    return out;
  }
};

// The records of a file (level 0) as trees. A line that does not read as
// "level [@xref@] TAG [value]" fails the test.
std::vector<Node> ParseGedcom(const std::string& text) {
  std::vector<Node> records;
  std::vector<Node*> open;  // the node at each level of the current record
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.ends_with('\r')) line.pop_back();
    std::istringstream words(line);
    size_t level = 0;
    Node node;
    words >> level >> node.tag;
    if (node.tag.starts_with('@')) {
      node.xref = node.tag;
      words >> node.tag;
    }
    // A line more than one level deeper than the one before is no GEDCOM
    // line either.
    if (!words || level > open.size() || (!node.xref.empty() && !node.xref.ends_with('@'))) {
      ADD_FAILURE() << "not a GEDCOM line: " << line;
      return {};
    }
    if (words.get() == ' ') std::getline(words, node.value);
    open.resize(level);
    std::vector<Node>& siblings = level == 0 ? records : open.back()->children;
    siblings.push_back(std::move(node));
    open.push_back(&siblings.back());
  }
  return records;
}

// A value with its CONT and CONC lines joined, "@@" read as "@".
std::string Text(const Node& node) {
  std::string text = node.value;
  for (const Node& child : node.children) {
    if (child.tag == "CONT") text += "\n" + child.value;
    if (child.tag == "CONC") text += child.value;
  }
  for (size_t at = text.find("@@"); at != std::string::npos; at = text.find("@@", at + 1))
    text.erase(at, 1);
  return text;
}

// A file's records by their kind and cross-reference, and the comparable
// description of its people and families: the same person or family gives
// the same line in either program's file, whatever its number and the order
// of its lines there.
class Tree {
 public:
  explicit Tree(const std::string& text) : records_(ParseGedcom(text)) {
    for (const Node& record : records_)
      if (!record.xref.empty()) by_xref_[record.xref] = &record;
  }

  int Count(const std::string& kind) const {
    return static_cast<int>(std::count_if(records_.begin(), records_.end(),
                                          [&](const Node& record) { return record.tag == kind; }));
  }

  // How often each tag occurs on the records of `kind` (level 1).
  std::map<std::string, int> TagsOf(const std::string& kind) const {
    std::map<std::string, int> tags;
    for (const Node& record : records_) {
      if (record.tag != kind) continue;
      for (const Node& child : record.children)
        tags[child.tag] += 1;
    }
    return tags;
  }

  // One line per person and per family, sorted: a person's name and sex,
  // then each event, fact, note, citation, reference number and link to a
  // family or person with what it says and its date, place, cause and page.
  std::vector<std::string> Described(const std::string& kind) const {
    static const std::set<std::string> kCompared = {"BIRT", "CHR",  "DEAT", "BURI", "OCCU", "RESI",
                                                    "MARR", "MARB", "NOTE", "SOUR", "REFN", "FAMC",
                                                    "FAMS", "HUSB", "WIFE", "CHIL"};
    std::vector<std::string> out;
    for (const Node& record : records_) {
      if (record.tag != kind) continue;
      std::vector<std::string> parts;
      for (const Node& line : record.children) {
        if (!kCompared.count(line.tag)) continue;
        std::string part = line.tag + "=" + Said(line);
        for (const char* detail : {"DATE", "PLAC", "CAUS", "PAGE"}) {
          for (const Node* value : line.All(detail))
            part += std::string(" ") + detail + "=" + Text(*value);
        }
        parts.push_back(part);
      }
      std::sort(parts.begin(), parts.end());
      std::string described = kind == "INDI" ? Who(record) : "";
      for (const std::string& part : parts)
        described += " | " + part;
      out.push_back(described);
    }
    std::sort(out.begin(), out.end());
    return out;
  }

  // The source titles.
  std::multiset<std::string> Sources() const {
    std::multiset<std::string> titles;
    for (const Node& record : records_) {
      if (record.tag == "SOUR")
        for (const Node* title : record.All("TITL"))
          titles.insert(Text(*title));
    }
    return titles;
  }

 private:
  // A person as "given /surname/ SEX", an unnamed one with "" for the name.
  static std::string Who(const Node& person) {
    const std::vector<const Node*> names = person.All("NAME");
    std::string name = names.empty() ? "" : Text(*names.front());
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    const std::vector<const Node*> sex = person.All("SEX");
    return (name == "//" ? "" : name) + " " + (sex.empty() ? "" : sex.front()->value);
  }

  // What a line says; a pointer read as what it points at: a person as who
  // it is, a note as its text, a source as its title, a family as nothing.
  std::string Said(const Node& line) const {
    if (!line.value.starts_with("@")) return Text(line);
    const auto it = by_xref_.find(line.value);
    if (it == by_xref_.end()) return "(missing " + line.value + ")";
    const Node& target = *it->second;
    if (target.tag == "INDI") return Who(target);
    std::string said = target.tag == "NOTE" ? Text(target) : "";
    for (const Node* title : target.All("TITL"))
      said += Text(*title);
    return said;
  }

  std::vector<Node> records_;
  std::map<std::string, const Node*> by_xref_;
};

// Gramps with its home, settings and family trees inside `home`, in English
// so that its reports can be read, and without a display.
ProcessResult RunGramps(const fs::path& home, const std::vector<std::string>& args) {
  const std::string h = home.string();
  std::vector<std::string> argv = {
      "env", "-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "LC_ALL=C.UTF-8", "LANGUAGE=en"};
  for (const char* variable : {"HOME=", "GRAMPSHOME="})
    argv.push_back(variable + h);
  for (const char* folder : {"CONFIG", "DATA", "CACHE"})
    argv.push_back("XDG_" + std::string(folder) + "_HOME=" + h + "/" + folder);
  argv.push_back("gramps");
  argv.insert(argv.end(), args.begin(), args.end());
  return RunProcess(argv);
}

// Exports the hits of `search` as GEDCOM, imports them into a new family
// tree and exports that tree again. (Which tags our file has is held by the
// stored answers of the same searches.)
void ImportIntoGramps(const std::vector<std::string>& search) {
  if (!testing::ProgramAvailable("gramps")) GTEST_SKIP() << "gramps is not installed";
  TempDir dir;
  std::vector<std::string> args = {VX_KUVO_SOK, "--ini", kIni.string()};
  args.insert(args.end(), search.begin(), search.end());
  args.insert(args.end(), {"--format", "gedcom"});
  const ProcessResult exported = RunProcess(args);
  ASSERT_EQ(exported.exit_code, 0) << exported.err;
  const std::string ours(exported.out.begin(), exported.out.end());
  testing::WriteFileBytes(dir / "kuvo.ged", exported.out);

  const ProcessResult imported =
      RunGramps(dir / "home", {"-C", "kuvo", "-i", (dir / "kuvo.ged").string()});
  ASSERT_EQ(imported.exit_code, 0) << imported.err;
  // Gramps says what it could not read ("Line ignored as not understood",
  // "Tag recognized but not supported", ...) after its report's heading.
  EXPECT_NE(imported.err.find("GEDCOM import report: No errors detected"), std::string::npos)
      << imported.err;
  EXPECT_EQ(imported.err.find("   Line "), std::string::npos) << imported.err;

  const ProcessResult reexported =
      RunGramps(dir / "home", {"-O", "kuvo", "-e", (dir / "gramps.ged").string()});
  ASSERT_EQ(reexported.exit_code, 0) << reexported.err;
  const std::vector<uint8_t> gramps_file = testing::ReadFileBytes(dir / "gramps.ged");
  const std::string theirs(gramps_file.begin(), gramps_file.end());
  // What Gramps could not place in its tree it keeps as a note of this
  // heading.
  EXPECT_EQ(theirs.find("Records not imported into"), std::string::npos) << theirs;

  const Tree before(ours);
  const Tree after(theirs);
  ASSERT_GT(before.Count("INDI"), 10);
  for (const char* kind : {"INDI", "FAM", "SOUR"})
    EXPECT_EQ(after.Count(kind), before.Count(kind)) << kind;
  for (const char* kind : {"INDI", "FAM"}) {
    // Gramps gives an unnamed person an empty name; the descriptions below
    // compare the names.
    std::map<std::string, int> gramps_tags = after.TagsOf(kind);
    for (const auto& [tag, count] : before.TagsOf(kind)) {
      if (tag != "NAME") {
        EXPECT_EQ(gramps_tags[tag], count) << kind << " " << tag;
      }
    }
    EXPECT_EQ(after.Described(kind), before.Described(kind)) << kind;
  }
  EXPECT_EQ(after.Sources(), before.Sources());
}

TEST(GrampsImport, EachRegister) {
  const std::vector<std::string> searches[] = {{"fodda", "--fod", "1780-1789"},
                                               {"vigda", "--vigd", "1800-1820"},
                                               {"doda", "--dod", "1850-1860"}};
  for (const std::vector<std::string>& search : searches) {
    SCOPED_TRACE(search.front());
    ImportIntoGramps(search);
  }
}

}  // namespace
}  // namespace vx
