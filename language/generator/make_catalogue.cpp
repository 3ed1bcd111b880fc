// vx-katalog: turns the message catalogue (a Qt translation source, .ts:
// the Swedish text as the source, the English as its translation, each
// message named by its id) into plain C++ for the programs' core:
//
//   vx-katalog CATALOGUE.ts OUT_DIR
//
// writes OUT_DIR/language/message_id.h (enum class MessageId, one
// enumerator per id, in the catalogue's order) and OUT_DIR/message_table.cpp
// (the two texts of each, UTF-8). It fails, with "file:line: message" on
// standard error and exit code 1, when a message has no id, a bad or
// repeated id, an empty text, an unfinished or missing translation, or
// arguments (%1 .. %9) that differ between its two texts; the build then
// fails with it.
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Message {
  int line = 0;
  std::string id;
  std::string swedish;
  std::string english;
  std::string comment;  // Qt's disambiguation: one Swedish word, two senses
  bool unfinished = false;
  bool has_translation = false;
};

int LineAt(const std::string& text, size_t at) {
  int line = 1;
  for (size_t i = 0; i < at && i < text.size(); ++i)
    line += text[i] == '\n';
  return line;
}

// The text between an element's tags with XML's entities replaced.
std::string Unescaped(const std::string& raw) {
  static const std::map<std::string, std::string> kEntities = {
      {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    const size_t end = raw[i] == '&' ? raw.find(';', i) : std::string::npos;
    if (end == std::string::npos) {
      out += raw[i];
      continue;
    }
    const std::string name = raw.substr(i + 1, end - i - 1);
    const auto entity = kEntities.find(name);
    if (entity != kEntities.end()) {
      out += entity->second;
    } else if (name.size() > 1 && name[0] == '#') {
      const unsigned long code =
          name[1] == 'x' ? std::stoul(name.substr(2), nullptr, 16) : std::stoul(name.substr(1));
      if (code < 0x80) {
        out += static_cast<char>(code);
      } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
      } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
      }
    } else {
      out += raw[i];
      continue;
    }
    i = end;
  }
  return out;
}

// The element `name` inside [begin, end): its attributes and its text.
bool FindElement(const std::string& text, size_t begin, size_t end, const std::string& name,
                 std::string& attributes, std::string& content) {
  const size_t open = text.find("<" + name, begin);
  if (open == std::string::npos || open >= end) return false;
  const size_t open_end = text.find('>', open);
  if (open_end == std::string::npos || open_end >= end) return false;
  attributes = text.substr(open + name.size() + 1, open_end - open - name.size() - 1);
  if (!attributes.empty() && attributes.back() == '/') {  // <translation/>
    content.clear();
    return true;
  }
  const size_t close = text.find("</" + name + ">", open_end);
  if (close == std::string::npos || close > end) return false;
  content = Unescaped(text.substr(open_end + 1, close - open_end - 1));
  return true;
}

std::string Attribute(const std::string& attributes, const std::string& name) {
  const std::string key = name + "=\"";
  size_t at = attributes.find(key);
  while (at != std::string::npos && at > 0 &&
         !std::isspace(static_cast<unsigned char>(attributes[at - 1])))
    at = attributes.find(key, at + 1);
  if (at == std::string::npos) return {};
  const size_t start = at + key.size();
  const size_t end = attributes.find('"', start);
  return end == std::string::npos ? std::string() : attributes.substr(start, end - start);
}

std::vector<Message> ReadMessages(const std::string& text) {
  std::vector<Message> messages;
  for (size_t at = text.find("<message"); at != std::string::npos;
       at = text.find("<message", at + 1)) {
    const size_t end = text.find("</message>", at);
    const size_t tag_end = text.find('>', at);
    Message message;
    message.line = LineAt(text, at);
    if (end == std::string::npos || tag_end == std::string::npos) {
      messages.push_back(message);
      break;
    }
    message.id = Attribute(text.substr(at, tag_end - at), "id");
    std::string attributes;
    FindElement(text, at, end, "source", attributes, message.swedish);
    FindElement(text, at, end, "comment", attributes, message.comment);
    message.has_translation =
        FindElement(text, at, end, "translation", attributes, message.english);
    const std::string type = Attribute(attributes, "type");
    message.unfinished = type == "unfinished" || type == "obsolete" || type == "vanished";
    messages.push_back(message);
  }
  return messages;
}

bool IsIdentifier(const std::string& id) {
  if (id.empty() || !std::isupper(static_cast<unsigned char>(id[0]))) return false;
  for (char c : id) {
    if (!std::isalnum(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

// The argument numbers a text uses: %1 .. %9.
std::set<char> Arguments(const std::string& text) {
  std::set<char> numbers;
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') numbers.insert(text[i + 1]);
  }
  return numbers;
}

// What is wrong with `message`, or "".
std::string Fault(const Message& message, const std::set<std::string>& earlier_ids) {
  if (!IsIdentifier(message.id))
    return "the message needs an id=\"...\" of letters and digits, beginning with a capital: \"" +
           message.id + "\"";
  if (earlier_ids.count(message.id)) return "the id " + message.id + " is used twice";
  if (message.swedish.empty()) return message.id + ": the Swedish text (<source>) is empty";
  if (!message.has_translation || message.english.empty())
    return message.id + ": the English translation is missing";
  if (message.unfinished) return message.id + ": the English translation is unfinished";
  if (Arguments(message.swedish) != Arguments(message.english))
    return message.id + ": the Swedish and the English text take different arguments (%1 ..)";
  return {};
}

// A C++ string literal of UTF-8 text: quotes, backslashes and line ends
// escaped, every other byte as it is.
std::string Literal(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += c;
    }
  }
  return out + "\"";
}

// Leaves a file that already holds `contents` untouched, so that a changed
// translation does not make every user of the ids compile again.
bool Write(const std::string& path, const std::string& contents) {
  std::ifstream old(path, std::ios::binary);
  std::stringstream held;
  held << old.rdbuf();
  if (old && held.str() == contents) return true;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << contents;
  return static_cast<bool>(out);
}

std::string Header(const std::vector<Message>& messages) {
  std::string out =
      "// Made by the build (vx-katalog) from the message catalogue: one name\n"
      "// for every text of the programs. Do not edit.\n"
      "#ifndef VX_LANGUAGE_MESSAGE_ID_H_\n#define VX_LANGUAGE_MESSAGE_ID_H_\n\n"
      "namespace vx {\n\nenum class MessageId : unsigned short {\n";
  for (const Message& message : messages)
    out += "  " + message.id + ",\n";
  out += "};\n\ninline constexpr int kMessageCount = " + std::to_string(messages.size()) +
         ";\n\n}  // namespace vx\n\n#endif  // VX_LANGUAGE_MESSAGE_ID_H_\n";
  return out;
}

std::string Table(const std::vector<Message>& messages) {
  std::string out =
      "// Made by the build (vx-katalog) from the message catalogue. Do not edit.\n"
      "#include \"language/message_table.h\"\n\nnamespace vx {\n\n"
      "const MessageEntry kMessageTable[kMessageCount] = {\n";
  for (const Message& message : messages) {
    out += "    {" + Literal(message.id) + ",\n     " + Literal(message.swedish) + ",\n     " +
           Literal(message.english) + ",\n     " + Literal(message.comment) + "},\n";
  }
  out += "};\n\n}  // namespace vx\n";
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vx-katalog CATALOGUE.ts OUT_DIR\n";
    return 2;
  }
  const std::string path = argv[1];
  const std::string out_dir = argv[2];
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  if (!in) {
    std::cerr << path << ": cannot be read\n";
    return 1;
  }
  const std::vector<Message> messages = ReadMessages(text.str());
  std::set<std::string> ids;
  std::map<std::string, std::string> english_of_swedish;
  int faults = 0;
  for (const Message& message : messages) {
    std::string fault = Fault(message, ids);
    // Qt's side finds a translation by its Swedish text and comment: one
    // Swedish text of one sense has one English.
    const std::string key = message.swedish + '\x1F' + message.comment;
    const auto same = english_of_swedish.find(key);
    if (fault.empty() && same != english_of_swedish.end() && same->second != message.english)
      fault = message.id + ": the same Swedish text has another English translation elsewhere";
    if (!fault.empty()) {
      std::cerr << path << ":" << message.line << ": " << fault << "\n";
      ++faults;
    }
    ids.insert(message.id);
    english_of_swedish.emplace(key, message.english);
  }
  if (messages.empty()) {
    std::cerr << path << ": holds no message\n";
    return 1;
  }
  if (faults > 0) return 1;
  if (!Write(out_dir + "/language/message_id.h", Header(messages)) ||
      !Write(out_dir + "/message_table.cpp", Table(messages))) {
    std::cerr << out_dir << ": cannot be written\n";
    return 1;
  }
  return 0;
}
