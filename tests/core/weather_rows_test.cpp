#include "editor/weather_rows.h"

#include <gtest/gtest.h>

namespace tpw {
namespace {

TEST(WeatherRows, EveryRowShowsItsChannelAndOnlyHeldRecordsShowTicks) {
  SettingsModel model;
  model.CHWX = DefaultWeatherList();
  while (model.CHWX.size() > 5) model.CHWX.erase(model.CHWX.size() - 1);
  model.CHWX[2].enabled = false;
  model.CHWX[2].scanMemory = true;
  const WeatherRows rows = WeatherRowsOf(model);
  EXPECT_EQ(rows[0], (WeatherRow{"WX01[162.550MHz]", true, true, false, true}));
  // A disabled channel keeps its scan tick, which cannot be changed meanwhile.
  EXPECT_EQ(rows[2], (WeatherRow{"WX03[162.475MHz]", true, false, true, false}));
  EXPECT_EQ(rows[9], (WeatherRow{"WX10[163.275MHz]", false, false, false, false}));

  model.CHWX.clear();
  for (const WeatherRow& row : WeatherRowsOf(model)) EXPECT_FALSE(row.present);
}

}  // namespace
}  // namespace tpw
