#pragma once

#include "image/field_table.h"
#include "image/settings_model.h"

// The field tables: every record kind of the settings, declared once, with its fields in the
// order a channel data file writes them. The codec, the data-file writer and the data-file
// reader (with its range checks) are driven by these tables alone.
namespace tpw {

// Channel records, one layout per record shape: a short slot's marine channel (CHUSA, CHINT,
// CHCAN), a weather channel (CHWX, known by its bitmap bits alone), a long slot's free
// frequencies (CHRG, CHEXP). The first field of each is the key every record section of a data
// file has: a section without it ends its list.
const RecordLayout<ChannelRecord>& ChannelRecordLayout(RecordShape shape);
const RecordLayout<ChannelRecord>& ChannelRecordLayout(ListId list);

// The setups, at their addresses in the memory: the four channel groups (usable and priority
// channel; each group's label follows from the region), the common setup and the ATIS setup.
const RecordLayout<ChannelGroups>& ChannelGroupsLayout();
const RecordLayout<CommonSetup>& CommonSetupLayout();
const RecordLayout<AtisSetup>& AtisSetupLayout();

// The address of a list's enable or scan-memory bitmap.
int BitmapAddress(const ListLayout& list, ListBitmap bitmap);

}  // namespace tpw
