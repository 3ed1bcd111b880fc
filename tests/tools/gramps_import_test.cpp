// kuvo-sok --format gedcom read by a real family-tree program: Gramps
// imports each register's hits on the sample set into a new family tree
// without a complaint, and the GEDCOM file it exports from that tree holds
// the same people, families, events, notes and sources as ours. Skipped
// where Gramps is not installed (scripts/install-deps installs it).
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
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
    for (const Node& child : children) {
      if (child.tag == wanted) out.push_back(&child);
    }
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
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t space = line.find(' ');
    const bool numbered = space != std::string::npos && space != 0 && space <= 2;
    const size_t level = numbered ? static_cast<size_t>(std::stoi(line.substr(0, space))) : 0;
    std::string rest = numbered ? line.substr(space + 1) : "";
    Node node;
    const size_t end = rest.starts_with("@") ? rest.find("@ ", 1) : 0;
    // A line more than one level deeper than the one before is no GEDCOM
    // line either.
    if (!numbered || end == std::string::npos || level > open.size()) {
      ADD_FAILURE() << "not a GEDCOM line: " << line;
      return {};
    }
    if (end > 0) {
      node.xref = rest.substr(0, end + 1);
      rest = rest.substr(end + 2);
    }
    const size_t tag_end = rest.find(' ');
    node.tag = rest.substr(0, tag_end);
    if (tag_end != std::string::npos) node.value = rest.substr(tag_end + 1);
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
    for (const Node& record : records_) {
      kinds_[record.tag] += 1;
      if (!record.xref.empty()) by_xref_[record.xref] = &record;
    }
  }

  int Count(const std::string& kind) const {
    const auto it = kinds_.find(kind);
    return it == kinds_.end() ? 0 : it->second;
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

  // One line per person and per family, sorted.
  std::vector<std::string> Described(const std::string& kind) const {
    std::vector<std::string> out;
    for (const Node& record : records_) {
      if (record.tag == kind) out.push_back(kind == "FAM" ? Family(record) : Person(record));
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
  const Node* Find(const std::string& xref) const {
    const auto it = by_xref_.find(xref);
    return it == by_xref_.end() ? nullptr : it->second;
  }

  // The name as "given /surname/"; an unnamed person as "".
  std::string Name(const Node& person) const {
    const std::vector<const Node*> names = person.All("NAME");
    if (names.empty()) return "";
    std::string name = Text(*names.front());
    name.erase(0, name.find_first_not_of(' '));
    name.erase(name.find_last_not_of(' ') + 1);
    return name == "//" ? "" : name;
  }

  std::string Who(const std::string& xref) const {
    const Node* person = Find(xref);
    if (person == nullptr) return "(missing " + xref + ")";
    const std::vector<const Node*> sex = person->All("SEX");
    return Name(*person) + " " + (sex.empty() ? "" : sex.front()->value);
  }

  // The events and facts, each with its date, place and cause; the notes
  // (inline or as records); the citations with their pages; the reference
  // numbers.
  std::string Details(const Node& record) const {
    std::vector<std::string> parts;
    for (const Node& child : record.children) {
      static const std::set<std::string> kFacts = {"BIRT", "CHR",  "DEAT", "BURI",
                                                   "OCCU", "RESI", "MARR", "MARB"};
      if (kFacts.count(child.tag)) {
        std::string fact = child.tag + "=" + Text(child);
        for (const char* detail : {"DATE", "PLAC", "CAUS"}) {
          for (const Node* part : child.All(detail))
            fact += std::string(" ") + detail + "=" + Text(*part);
        }
        parts.push_back(fact);
      } else if (child.tag == "NOTE") {
        const Node* note = child.value.starts_with("@") ? Find(child.value) : &child;
        parts.push_back("NOTE=" + (note == nullptr ? "(missing)" : Text(*note)));
      } else if (child.tag == "SOUR") {
        const Node* source = Find(child.value);
        std::string citation = "SOUR=";
        if (source != nullptr)
          for (const Node* title : source->All("TITL"))
            citation += Text(*title);
        for (const Node* page : child.All("PAGE"))
          citation += " PAGE=" + Text(*page);
        parts.push_back(citation);
      } else if (child.tag == "REFN") {
        parts.push_back("REFN=" + child.value);
      }
    }
    std::sort(parts.begin(), parts.end());
    std::string out;
    for (const std::string& part : parts)
      out += " | " + part;
    return out;
  }

  std::string Person(const Node& person) const {
    return Who(person.xref) + " FAMC=" + std::to_string(person.All("FAMC").size()) +
           " FAMS=" + std::to_string(person.All("FAMS").size()) + Details(person);
  }

  std::string Family(const Node& family) const {
    std::string out;
    for (const char* role : {"HUSB", "WIFE"}) {
      for (const Node* spouse : family.All(role))
        out += std::string(role) + "=" + Who(spouse->value) + " ";
    }
    std::vector<std::string> children;
    for (const Node* child : family.All("CHIL"))
      children.push_back(Who(child->value));
    std::sort(children.begin(), children.end());
    for (const std::string& child : children)
      out += "CHIL=" + child + " ";
    return out + Details(family);
  }

  std::vector<Node> records_;
  std::map<std::string, int> kinds_;
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
// tree and exports that tree again; `expected_tags` are tags the register's
// file must have on the records of that kind, so that the comparison is
// not an empty one.
void ImportIntoGramps(const std::vector<std::string>& search,
                      const std::map<std::string, std::vector<std::string>>& expected_tags) {
  if (!testing::ProgramAvailable("gramps")) GTEST_SKIP() << "gramps is not installed";
  TempDir dir;
  std::vector<std::string> args = {VX_KUVO_SOK, "--ini", kIni.string()};
  args.insert(args.end(), search.begin(), search.end());
  args.insert(args.end(), {"--format", "gedcom"});
  const ProcessResult exported = RunProcess(args);
  ASSERT_EQ(exported.exit_code, 0) << exported.err;
  const std::string ours(exported.out.begin(), exported.out.end());
  testing::WriteFileBytes(dir / "kuvo.ged", exported.out);

  const auto started = std::chrono::steady_clock::now();
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
  std::printf("[ register %s: %.1f s in Gramps ]\n", search.front().c_str(),
              std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count());
  // What Gramps could not place in its tree it keeps as a note of this
  // heading.
  EXPECT_EQ(theirs.find("Records not imported into"), std::string::npos) << theirs;

  const Tree before(ours);
  const Tree after(theirs);
  for (const auto& [kind, tags] : expected_tags) {
    ASSERT_GT(before.Count(kind), 10) << kind;
    const std::map<std::string, int> have = before.TagsOf(kind);
    for (const std::string& tag : tags)
      EXPECT_GT(have.count(tag) ? have.at(tag) : 0, 0) << kind << " " << tag;
  }
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
  const struct {
    std::vector<std::string> search;
    std::map<std::string, std::vector<std::string>> expected_tags;
  } cases[] = {
      {{"fodda", "--fod", "1780-1789"},
       {{"INDI",
         {"NAME", "SEX", "BIRT", "CHR", "NOTE", "SOUR", "REFN", "FAMC", "FAMS", "OCCU", "RESI"}},
        {"FAM", {"HUSB", "WIFE", "CHIL"}}}},
      {{"vigda", "--vigd", "1800-1820"},
       {{"INDI", {"NAME", "SEX", "FAMS", "OCCU", "RESI"}},
        {"FAM", {"HUSB", "WIFE", "MARR", "MARB", "SOUR", "REFN", "NOTE"}}}},
      {{"doda", "--dod", "1850-1860"},
       {{"INDI", {"NAME", "SEX", "BIRT", "DEAT", "BURI", "OCCU", "NOTE", "SOUR", "REFN"}}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.search.front());
    ImportIntoGramps(c.search, c.expected_tags);
  }
}

}  // namespace
}  // namespace vx
