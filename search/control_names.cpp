#include "search/control_names.h"

#include "engine/util/message.h"
#include "language/message_id.h"

namespace vx {

std::string TypeButtonName(const FormField& field, Language language) {
  return Render({MessageId::FormTypeButtonName, {ShownFormText(field.caption, language)}},
                language);
}

std::string ListButtonName(const FormField& field, Language language) {
  return Render({MessageId::FormListButtonName, {ShownFormText(field.caption, language)}},
                language);
}

}  // namespace vx
