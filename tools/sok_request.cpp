#include "tools/sok_request.h"

#include "language/message_id.h"
#include "tools/cli_io.h"

namespace vx::cli {
namespace {

int RegisterNamed(const std::string& name) {
  if (name == "fodda") return 1;
  if (name == "vigda") return 2;
  if (name == "doda") return 3;
  return -1;
}

// Takes the value of the option at args[i]; false when it is missing.
bool TakeValue(const std::vector<std::string>& args, size_t& i, std::string& value) {
  if (i + 1 >= args.size()) return false;
  value = args[++i];
  return true;
}

bool IsWholeNumber(const std::string& text) {
  return !text.empty() && text.size() <= 9 &&
         text.find_first_not_of("0123456789") == std::string::npos;
}

// The options that only printing takes.
bool CheckPrintOptions(const SokRequest& request, Message& error) {
  const bool printing = !request.pdf.empty();
  if (!printing &&
      (request.table || !request.from.empty() || !request.to.empty() || request.print_order == 3)) {
    error = {MessageId::SokPrintOptionsWithoutPdf, {}};
    return false;
  }
  if (printing && (request.register_number == 0 || request.csv || request.gedcom || request.json ||
                   request.show_text)) {
    error = {MessageId::SokPdfOneRegister, {}};
    return false;
  }
  return true;
}

// "samband" takes one register, a Lokal-ID and a format of tsv or json.
bool CheckLinkOptions(const SokRequest& request, Message& error) {
  if (request.register_number == 0 || !request.has_lokalid || !request.fields.empty() ||
      request.show_text || request.by_date || request.csv || request.gedcom ||
      !request.pdf.empty() || request.table || !request.from.empty() || !request.to.empty() ||
      request.print_order != 2) {
    error = {MessageId::SokLinksOptions, {}};
    return false;
  }
  return true;
}

}  // namespace

std::string SokUsage() {
  return Said(MessageId::SokUsage);
}

bool ParseSokArguments(const std::vector<std::string>& args, SokRequest& request, Message& error) {
  request = {};
  for (const std::string& arg : args) {
    request.help = request.help || arg == "--help" || arg == "-h";
    request.version = request.version || arg == "--version";
  }
  if (request.help || request.version) return true;
  bool have_register = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    std::string value;
    if (!arg.starts_with("--")) {
      if (!have_register && !request.links && arg == "samband") {
        request.links = true;
        continue;
      }
      if (!have_register) {
        have_register = true;
        if (arg == "alla") {
          request.register_number = 0;
          if (!TakeValue(args, i, request.all_text)) {
            error = {MessageId::SokAllNeedsText, {}};
            return false;
          }
          continue;
        }
        request.register_number = RegisterNamed(arg);
        if (request.register_number < 0) {
          error = {MessageId::SokUnknownRegister, {arg}};
          return false;
        }
        continue;
      }
      error = {MessageId::SokUnexpectedArgument, {arg}};
      return false;
    }
    if (arg == "--visa" || arg == "--tabell") {
      (arg == "--visa" ? request.show_text : request.table) = true;
      continue;
    }
    if (!TakeValue(args, i, value)) {
      error = {MessageId::SokOptionNeedsValue, {arg}};
      return false;
    }
    if (arg == "--ini") {
      request.ini = value;
    } else if (arg == "--lokalid") {
      request.lokalid = value;
      request.has_lokalid = true;
    } else if (arg == "--ordning") {
      if (value != "namn" && value != "datum" && value != "kalla") {
        error = {MessageId::SokOrderValue, {}};
        return false;
      }
      request.by_date = value == "datum";
      request.print_order = value == "datum" ? 1 : value == "namn" ? 2 : 3;
    } else if (arg == "--pdf") {
      request.pdf = value;
    } else if (arg == "--fran" || arg == "--till") {
      if (!IsWholeNumber(value)) {
        error = {MessageId::SokWholeNumber, {arg}};
        return false;
      }
      (arg == "--fran" ? request.from : request.to) = value;
    } else if (arg == "--format") {
      if (value != "tsv" && value != "json" && value != "csv" && value != "gedcom") {
        error = {MessageId::SokFormatValue, {}};
        return false;
      }
      request.json = value == "json";
      request.csv = value == "csv";
      request.gedcom = value == "gedcom";
    } else if (arg.ends_with("-rader")) {
      request.fields.push_back({arg.substr(2, arg.size() - 8), value, true});
    } else {
      request.fields.push_back({arg.substr(2), value, false});
    }
  }
  if (!have_register) {
    error = {MessageId::SokNoRegister, {}};
    return false;
  }
  if (request.links) return CheckLinkOptions(request, error);
  if (!CheckPrintOptions(request, error)) return false;
  if (request.register_number == 0 &&
      (!request.fields.empty() || request.has_lokalid || request.by_date || request.show_text)) {
    error = {MessageId::SokAllOptions, {}};
    return false;
  }
  const bool file_format = request.csv || request.gedcom;
  if (request.register_number == 0 && file_format) {
    error = {MessageId::SokFileFormatOneRegister, {}};
    return false;
  }
  if (file_format && request.show_text) {
    error = {MessageId::SokShowWithFileFormat, {}};
    return false;
  }
  if (request.has_lokalid && !request.fields.empty()) {
    error = {MessageId::SokLokalIdWithFields, {}};
    return false;
  }
  return true;
}

}  // namespace vx::cli
