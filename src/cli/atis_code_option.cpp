#include "cli/atis_code_option.h"

#include "editor/typed_atis_code.h"
#include "session/message_texts.h"

namespace tpw::cli {

void AddAtisCodeOption(CLI::App& command, std::optional<std::string>& code) {
  command.add_option("--atis-code", code,
                     TPW_TEXT("Cli",
                              "program this ten-digit ATIS code instead of the data's own (a radio "
                              "takes its code only once)"));
}

bool TypedAtisCodeAccepted(CliSession& session, const std::optional<std::string>& code) {
  if (!code) return true;
  const TypedAtisCode typed = CheckTypedAtisCode(*code);
  if (typed.verdict == TypedAtisCode::Verdict::Refused || typed.code.empty()) {
    session.prompter.message(Icon::Exclamation, AtisCodeTitle,
                             TranslatedUtf8(msg::DataError) + "\r\n" +
                                 Said(TPW_TEXT("Cli",
                                               "--atis-code: \"%1\" is not an ATIS code, which "
                                               "is ten digits. Give the code of the boat's "
                                               "licence, or leave --atis-code out to program the "
                                               "data's own code. Nothing was written."),
                                      {*code}));
    session.exitStatus = UsageError;
    return false;
  }
  if (MayKeepTypedAtisCode(session.prompter, typed)) return true;
  session.prompter.message(Icon::Exclamation, AtisCodeTitle,
                           Said(TPW_TEXT("Cli",
                                         "Nothing was written: the ATIS code %1 was not kept. "
                                         "Give the boat's own code with --atis-code."),
                                {typed.code}));
  return false;
}

void TakeAtisCodeOption(CliSession& session, const std::optional<std::string>& code) {
  if (code) session.ws.model.atis.code = CheckTypedAtisCode(*code).code;
}

}  // namespace tpw::cli
