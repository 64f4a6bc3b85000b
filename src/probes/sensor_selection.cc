#include "probes/sensor_selection.h"

#include "argument_keywords.h"
#include "run_state.h"

namespace fernwatch {
namespace {

using ChannelName = FixedText<123>;

// The item of a listing run names a channel text regardless of case, but
// whole.
bool IsRequestedItem(const FixedText<32>& text) {
  ItemIdText item(g_run.ItemId.c_str());
  ItemIdText candidate(text.c_str());
  item.to_upper();
  candidate.to_upper();
  return item.equals(candidate.c_str());
}

void AddOverviewChannel(const UserSensorRow& row, const SensorSelection& selection,
                        ResultWriter& writer) {
  ChannelName name(row.Sensor.c_str());
  name.append(", ");
  name.append(row.Text);
  Channel channel{name.c_str(), row.Value.c_str(), row.Unit.c_str(), selection.SystemLabel};
  channel.Text = name.c_str();
  channel.State = row.State.c_str();
  channel.Marker = row.Marker.c_str();
  writer.AddChannel(channel);
  writer.Print();
}

void AddDataChannel(const UserSensorRow& row, SensorSelection* selection, ResultWriter& writer) {
  ChannelName name;
  if (!row.State.empty()) {
    name.append(row.State);
    name.append(": ");
  }
  if (selection->Listing) {
    selection->SensorFound = true;
    // What an earlier system left unprinted (its error line) is dropped.
    writer.Empty();
    if (!IsRequestedItem(row.Text)) return;
    name.append(selection->SystemLabel);
  } else {
    name.append(row.Text);
  }
  Channel channel = selection->StateMode
                        ? Channel{name.c_str(), row.State.c_str(), "State", selection->SystemLabel}
                        : Channel{name.c_str(), row.Value.c_str(), row.Unit.c_str(),
                                  selection->SystemLabel};
  // The channel of an item stands for its system.
  channel.Text = selection->Listing ? selection->SystemLabel : row.Text.c_str();
  channel.State = row.State.c_str();
  channel.Marker = row.Marker.c_str();
  writer.AddChannel(channel);
  writer.Print();
}

}  // namespace

SensorSelection CurrentSelection(const char* system_label) {
  SensorSelection selection;
  selection.Sensor = SensorWordOf(g_run.ArgumentText.c_str());
  selection.Title.assign("User-Sensor not found...");
  selection.Overview = AsksForSensorOverview();
  selection.StateMode = AsksForStates();
  selection.Listing = g_run.ListingRun;
  selection.SystemLabel = selection.Listing ? system_label : nullptr;
  selection.SensorFound = false;
  selection.HeaderMet = false;
  selection.DataRows = 0;
  return selection;
}

void EvaluateSensorRow(const UserSensorRow& row, SensorSelection* selection,
                       ResultWriter& writer) {
  bool requested = selection->Sensor.Selects(row);
  if (selection->Overview && row.IsHeader()) AddOverviewChannel(row, *selection, writer);
  // A later header row of the same sensor overrides an earlier one.
  if (requested && row.IsHeader()) selection->Title = row.Text;
  if (requested && row.IsHeader()) selection->HeaderMet = true;
  if (requested && !row.IsHeader()) ++selection->DataRows;
  if (!selection->Overview && !row.IsHeader() && requested) AddDataChannel(row, selection, writer);
}

void WriteSensorStatusText(const SensorSelection& selection, ResultWriter& writer) {
  const char* destination = g_run.Profile.Destination.c_str();
  if (selection.Overview) {
    writer.BeginText();
    writer.AppendStatusText("(");
    writer.AppendStatusText(destination);
    writer.AppendStatusText(") SAP User-Sensor(s) Overview... ");
    writer.EndText();
    if (!selection.Listing) writer.EndDocument();
    return;
  }
  if (selection.Listing) return;
  writer.BeginText();
  writer.AppendStatusText("(");
  writer.AppendStatusText(destination);
  writer.AppendStatusText(") User-Sensor: ");
  writer.AppendStatusText(selection.Sensor.Word.c_str());
  writer.AppendStatusText(", ");
  writer.AppendStatusText(selection.Title.c_str());
  writer.AppendStatusText(" ");
  writer.EndText();
  writer.EndDocument();
}

}  // namespace fernwatch
