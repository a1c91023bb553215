#include "editor/editor_state.h"

namespace tpw {

ListKind ListKindOf(ListId list) {
  switch (list) {
    case ListId::CHUSA:
      return ListKind::CHUSA;
    case ListId::CHINT:
      return ListKind::CHINT;
    case ListId::CHCAN:
      return ListKind::CHCAN;
    case ListId::CHRG:
      return ListKind::CHRG;
    case ListId::CHWX:
      return ListKind::CHWX;
    case ListId::CHEXP:
      return ListKind::CHEXP;
  }
  return ListKind::None;
}

}  // namespace tpw
