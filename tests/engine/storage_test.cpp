// Template storage: exact round trip and clear errors on bad documents.
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

#include "base/exception.h"
#include "engine/storage.h"

namespace korvel::engine {
namespace {

const char* const kCanonical = R"(<?xml version="1.0" encoding="UTF-8"?>
<report name="frxReport2" scriptLanguage="PascalScript" doublePass="true" previewButtons="print" copies="2">
  <datasets>
    <dataset name="frxDatasetPrCap" link="frxDatasetADOPrCap"/>
  </datasets>
  <variables>
    <variable name="Loose" value="1"/>
    <category name=" PrValue"/>
    <variable name="Pr_RNds"/>
    <variable name="cp_pageCountS" value=""/>
    <variable name="forSumNDS_1" value="'-1'"/>
  </variables>
  <page name="CapPage" paper="9" width="210" height="297" orientation="portrait">
    <band name="cp_ReportTitle1" kind="reportTitle" height="110" grows="true">
      <text name="cp_Memo338" left="0" top="0" width="190" height="5" font="Arial" size="8" bold="true" frame="LTB" frameWidth="0.1" halign="right" valign="bottom" wrap="false" grow="true" autoWidth="true" shift="overlapped" neighbour="followsLeft" format="%2.2f" decimalSeparator="," hideZeros="true" lineSpacing="1" onBeforePrint="A" onAfterPrint="B" literal="true">
        <l>  [frxDatasetPrCap."NamePlatSkl"] &amp; &lt;x&gt; "q"  </l>
        <l/>
        <l>   </l>
        <l>Грузоотправитель</l>
      </text>
      <text name="empty" left="1.5" top="58.03" width="66.6" height="0.1"/>
      <line name="cp_Line1" left="0" top="20" width="190" height="0" lineWidth="3" shift="fixed"/>
      <line name="v" left="5" top="0" width="0" height="7" direction="vertical"/>
    </band>
    <band name="b2" kind="masterData" height="19" dataset="frxDatasetPrCap"/>
  </page>
</report>
)";

TEST(Storage, CanonicalDocumentSavesToItself) {
  Report report = loadReport(kCanonical);
  EXPECT_EQ(saveReport(report), kCanonical);
  EXPECT_EQ(saveReport(loadReport(saveReport(report))), kCanonical);

  const auto& text = std::get<TextObject>(report.pages[0].bands[0].objects[0]);
  EXPECT_EQ(text.lines.size(), 4u);
  EXPECT_EQ(text.lines[0], "  [frxDatasetPrCap.\"NamePlatSkl\"] & <x> \"q\"  ");
  EXPECT_EQ(text.lines[2], "   ");
  EXPECT_TRUE(text.frame.left && text.frame.top && text.frame.bottom && !text.frame.right);
  EXPECT_EQ(text.decimalSeparator, ',');
  EXPECT_EQ(report.variables[2].value, std::nullopt);
  EXPECT_EQ(report.variables[3].value, Value::text(""));
  EXPECT_FALSE(report.options.previewEdit);
}

TEST(Storage, WaybillTemplateRoundTripsExactly) {
  std::ifstream in(KORVEL_WAYBILL_TEMPLATE, std::ios::binary);
  ASSERT_TRUE(in) << KORVEL_WAYBILL_TEMPLATE;
  std::stringstream buffer;
  buffer << in.rdbuf();
  EXPECT_EQ(saveReport(loadReport(buffer.str())), buffer.str());
}

TEST(Storage, ModelBuiltInCodeSavesOnlyWhatDiffersFromDefaults) {
  Report report;
  report.options.name = "r";
  TextObject text;
  text.name = "t";
  text.setText("a\r\nb\x01");
  text.width = 10;
  Band band;
  band.name = "b";
  band.kind = BandKind::PageFooter;
  band.objects.emplace_back(text);
  report.pages.push_back(Page{.name = "p", .bands = {band}});
  report.setVariable("v", Value::text("x\ny"));
  std::string xml = saveReport(report);
  EXPECT_NE(xml.find("<text name=\"t\" left=\"0\" top=\"0\" width=\"10\" height=\"0\">"), std::string::npos)
      << xml;
  Report again = loadReport(xml);
  EXPECT_EQ(again.findText("T").text(), "a\r\nb\x01");
  EXPECT_EQ(again.findVariable("v")->value, Value::text("x\ny"));
  EXPECT_EQ(saveReport(again), xml);
}

struct BadDocument {
  const char* xml;
  const char* message;  // part of the error message
};

class StorageErrors : public ::testing::TestWithParam<BadDocument> {};

TEST_P(StorageErrors, AreReportedClearly) {
  try {
    loadReport(GetParam().xml);
    FAIL() << "accepted: " << GetParam().xml;
  } catch (const EReportError& e) {
    EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Documents, StorageErrors,
    ::testing::Values(
        BadDocument{"", "not a valid XML document"}, BadDocument{"<report", "not a valid XML document"},
        BadDocument{"<template/>", "root element is not <report>"},
        BadDocument{"<report doublePass=\"yes\"/>", "doublePass=\"yes\" is not true or false"},
        BadDocument{"<report colour=\"red\"/>", "unknown attribute colour"},
        BadDocument{"<report copies=\"0\"/>", "copies=\"0\""},
        BadDocument{"<report><pages/></report>", "unexpected element <pages>"},
        BadDocument{"<report><page/></report>", "attribute name is missing"},
        BadDocument{"<report><page name=\"p\" width=\"abc\"/></report>", "width=\"abc\" is not a number"},
        BadDocument{"<report><page name=\"p\" marginLeft=\"200\"/></report>", "no printable area"},
        BadDocument{"<report><page name=\"p\"><band name=\"b\" height=\"1\"/></page></report>",
                    "attribute kind is missing"},
        BadDocument{"<report><page name=\"p\"><band name=\"b\" kind=\"detail\"/></page></report>",
                    "kind=\"detail\" is not one of"},
        BadDocument{
            "<report><page name=\"p\"><band name=\"b\" kind=\"masterData\" dataset=\"x\"/></page></report>",
            "dataset \"x\" is not in the dataset list"},
        BadDocument{"<report><page name=\"p\"><band name=\"B\" kind=\"pageHeader\"><text name=\"b\"/></band>"
                    "</page></report>",
                    "the name \"b\" is used twice"},
        BadDocument{"<report><page name=\"p\"><band name=\"b\" kind=\"pageHeader\"><text name=\"t\" "
                    "frame=\"LX\"/></band></page></report>",
                    "frame=\"LX\""},
        BadDocument{"<report><page name=\"p\"><band name=\"b\" kind=\"pageHeader\"><text name=\"t\" "
                    "format=\"%s\"/></band></page></report>",
                    "format=\"%s\""},
        BadDocument{"<report><page name=\"p\"><band name=\"b\" kind=\"pageHeader\"><text name=\"t\" "
                    "size=\"-3\"/></band></page></report>",
                    "size=\"-3\""},
        BadDocument{"<report><page name=\"p\"><band name=\"b\" kind=\"pageHeader\"><text name=\"t\">"
                    "<l>a&#10;b</l></text></band></page></report>",
                    "holds a line break"},
        BadDocument{"<report><page name=\"p\"><band name=\"b\" kind=\"pageHeader\"><text name=\"t\">"
                    "<l><b/></l></text></band></page></report>",
                    "holds an element"},
        BadDocument{"<report><page name=\"p\"><band name=\"b\" kind=\"pageHeader\"><text name=\"t\">"
                    "\xff</text></band></page></report>",
                    "unexpected text content"},
        BadDocument{"<report><page name=\"p\"><band name=\"b\" kind=\"pageHeader\"><text name=\"t\">"
                    "<l>\xc3\x28</l></text></band></page></report>",
                    "not UTF-8"},
        BadDocument{"<report><variables><variable name=\" x\"/></variables></report>",
                    "cannot begin with a blank"},
        BadDocument{"<report><variables><category name=\"x\"/></variables></report>",
                    "a category name begins with a blank"},
        BadDocument{"<report><variables><variable name=\"a\"/><variable name=\"A\"/></variables></report>",
                    "declared twice"}));

TEST(Storage, NeverCrashesOnMutatedDocuments) {
  // Every prefix and every single-byte corruption of a valid document is
  // either loaded or rejected with EReportError.
  std::string doc = kCanonical;
  for (std::size_t i = 0; i < doc.size(); i += 7) {
    for (char c : {'\0', '<', '"', '\xff', 'x'}) {
      std::string mutated = doc;
      mutated[i] = c;
      for (const std::string& input : {mutated, doc.substr(0, i)}) {
        try {
          saveReport(loadReport(input));
        } catch (const EReportError&) {
        }
      }
    }
  }
}

}  // namespace
}  // namespace korvel::engine
