#include "i18n/CaptionTable.h"

#include "i18n/AddedMessages.h"

namespace brivel {

const std::vector<CaptionTarget>& captionTargets()
{
    using P = CaptionProperty;
    using S = CaptionState;
    // The map chart names its left axis "Chart1_LeftAxis". The petrol time
    // read-outs of the left column do not show their names; the bars of the
    // "Diagnostyka" page (`Skala_PB_time1A` …) show the same names and
    // follow the same rows.
    static const std::vector<CaptionTarget> targets = {
        {21, "BATERY_vpp_label", P::Text, 0, S::DesignText},
        {22, "GroupBox_Napiecie", P::GroupTitle, 0, S::DesignText},
        {23, "Skala_PB_time1", P::Name2, 0, S::DesignText},
        {25, "aaa", P::GroupTitle, 0, S::DesignText},
        {28, "GroupBox8", P::GroupTitle, 0, S::Applied},
        {29, "TempWoda", P::Name1, 0, S::DesignText},
        // The read-out's label beside it shows the same text.
        {29, "TempWoda_label", P::Text, 0, S::DesignText},
        {30, "TempGaz", P::Name1, 0, S::DesignText},
        {32, "Polacz_switch", P::TextOff, 0, S::DesignText},
        {33, "TabSheet1", P::TabCaption, 0, S::Applied},
        {34, "GroupBox25", P::GroupTitle, 0, S::Applied},
        {35, "Label35", P::Text, 0, S::Applied},
        {36, "Label36", P::Text, 0, S::Applied},
        {37, "Label37", P::Text, 0, S::Applied},
        {38, "Label38", P::Text, 0, S::Applied},
        {39, "Label39", P::Text, 0, S::Applied},
        {40, "Label40", P::Text, 0, S::Applied},
        {41, "Sel_cyl", P::ComboItem, 0, S::Applied},
        {42, "Sel_cyl", P::ComboItem, 1, S::Applied},
        {43, "Sel_cyl", P::ComboItem, 2, S::Applied},
        {44, "Sel_cyl", P::ComboItem, 3, S::Applied},
        {45, "Sel_cyl", P::ComboItem, 4, S::Applied},
        {46, "Sel_Typ_wtrysku_Petrol", P::ComboItem, 0, S::Applied},
        {47, "Sel_Impuls", P::ComboItem, 0, S::Applied},
        {48, "Sel_Impuls", P::ComboItem, 1, S::Applied},
        {49, "Sel_Impuls", P::ComboItem, 2, S::Applied},
        {50, "Sel_Impuls", P::ComboItem, 3, S::Applied},
        {51, "Sel_Impuls", P::ComboItem, 4, S::Applied},
        {52, "Sel_Impuls", P::ComboItem, 5, S::Applied},
        {53, "Sel_Impuls", P::ComboItem, 6, S::Applied},
        {54, "ComboBox17", P::ComboItem, 0, S::Applied},
        {55, "ComboBox17", P::ComboItem, 1, S::Applied},
        {56, "TabSheet2", P::TabCaption, 0, S::Applied},
        {57, "GroupBox12", P::GroupTitle, 0, S::Applied},
        {58, "GroupBox15", P::GroupTitle, 0, S::Applied},
        {59, "GroupBox19", P::GroupTitle, 0, S::Applied},
        {60, "Label20", P::Text, 0, S::Applied},
        {61, "Label21", P::Text, 0, S::Applied},
        {62, "Label22", P::Text, 0, S::Applied},
        {63, "GroupBox14", P::GroupTitle, 0, S::Applied},
        {64, "P_pracy_changer", P::Name1, 0, S::Applied},
        {65, "TabSheet3", P::TabCaption, 0, S::Applied},
        {66, "Label28", P::Text, 0, S::Applied},
        {67, "TabSheet4", P::TabCaption, 0, S::Applied},
        {68, "Chart1_LeftAxis", P::AxisTitle, 0, S::Applied},
        {69, "PaintBox1", P::Hint, 0, S::Applied},
        {70, "Series1", P::SeriesTitle, 0, S::Applied},
        {71, "Series2", P::SeriesTitle, 0, S::Applied},
        {72, "Series3", P::SeriesTitle, 0, S::Applied},
        {73, "Series4", P::SeriesTitle, 0, S::Applied},
        {74, "Series5", P::SeriesTitle, 0, S::Applied},
        {75, "Series7", P::SeriesTitle, 0, S::Applied},
        {76, "Series6", P::SeriesTitle, 0, S::Applied},
        {77, "Series8", P::SeriesTitle, 0, S::Applied},
        {78, "BitBtn1", P::Text, 0, S::Applied},
        // The gas captions of the left column and of "Diagnostyka" are the
        // "Gaz" button's; the petrol ones the "Petrol" button's.
        {78, "Gaz_0", P::Text, 0, S::Applied},
        {78, "Gaz_1", P::Text, 0, S::Applied},
        {78, "Gaz_2", P::Text, 0, S::Applied},
        {78, "Gaz_1A", P::Text, 0, S::Applied, " [ms]"},
        {79, "BitBtn2", P::Text, 0, S::Applied},
        {79, "Benzyna_1", P::Text, 0, S::DesignText, " 1"},
        {79, "Benzyna_2", P::Text, 0, S::DesignText, " 2"},
        {79, "Benzyna_3", P::Text, 0, S::DesignText, " 3"},
        {79, "Benzyna_4", P::Text, 0, S::DesignText, " 4"},
        {79, "Benzyna_5", P::Text, 0, S::DesignText, " 5"},
        {79, "Benzyna_6", P::Text, 0, S::DesignText, " 6"},
        {79, "Benzyna_7", P::Text, 0, S::DesignText, " 7"},
        {79, "Benzyna_8", P::Text, 0, S::DesignText, " 8"},
        {79, "Benzyna_1A", P::Text, 0, S::DesignText, " [ms]"},
        {80, "Label19", P::Text, 0, S::Applied},
        {81, "Label18", P::Text, 0, S::Applied},
        {82, "TabSheet7", P::TabCaption, 0, S::Applied},
        {83, "OSC_PETROL_LPG", P::Text, 0, S::Applied},
        {84, "TEMP_LPG_RED", P::Text, 0, S::Applied},
        {87, "Skala_PB_time1", P::Name2, 0, S::DesignText},
        {87, "Skala_PB_time1A", P::Name2, 0, S::Applied},
        {88, "Skala_PB_time2", P::Name2, 0, S::DesignText},
        {88, "Skala_PB_time2A", P::Name2, 0, S::Applied},
        {89, "Skala_PB_time3", P::Name2, 0, S::DesignText},
        {89, "Skala_PB_time3A", P::Name2, 0, S::Applied},
        {90, "Skala_PB_time4", P::Name2, 0, S::DesignText},
        {90, "Skala_PB_time4A", P::Name2, 0, S::Applied},
        {91, "Skala_PB_time5", P::Name2, 0, S::DesignText},
        {91, "Skala_PB_time5A", P::Name2, 0, S::Applied},
        {92, "Skala_PB_time6", P::Name2, 0, S::DesignText},
        {92, "Skala_PB_time6A", P::Name2, 0, S::Applied},
        {93, "Skala_PB_time7", P::Name2, 0, S::DesignText},
        {93, "Skala_PB_time7A", P::Name2, 0, S::Applied},
        {94, "Skala_PB_time8", P::Name2, 0, S::DesignText},
        {94, "Skala_PB_time8A", P::Name2, 0, S::Applied},
        {96, "TabSheet9", P::TabCaption, 0, S::Applied},
        {97, "GroupBox17", P::GroupTitle, 0, S::DesignText},
        {98, "Label24", P::Text, 0, S::DesignText},
        {99, "T_zwloki_changer", P::Name2, 0, S::Applied},
        {99, "T_zwloki_changer_label", P::Text, 0, S::DesignText},
        {100, "GroupBox13", P::GroupTitle, 0, S::DesignText},
        {101, "Temp_LPG_changer", P::Name2, 0, S::Applied},
        {101, "Temp_LPG_changer_label", P::Text, 0, S::Applied},
        {102, "T_przel_to_LPG", P::Name2, 0, S::Applied},
        {102, "T_przel_to_LPG_label", P::Text, 0, S::Applied},
        {103, "T_CYL_seqence", P::Name2, 0, S::Applied},
        {103, "T_CYL_seqence_label", P::Text, 0, S::Applied},
        {104, "GroupBox18", P::GroupTitle, 0, S::Applied},
        {105, "Label16", P::Text, 0, S::Applied},
        {106, "Label17", P::Text, 0, S::Applied},
        {112, "Pliki1", P::MenuTitle, 0, S::Applied},
        {113, "Odczyt1", P::Text, 0, S::Applied},
        {114, "Zapis1", P::Text, 0, S::Applied},
        {115, "PortCOM", P::MenuTitle, 0, S::DesignText},
        {116, "polacz", P::Text, 0, S::Applied},
        {117, "rozlacz1", P::Text, 0, S::Applied},
        {118, "Jazyk", P::MenuTitle, 0, S::Applied},
        {119, "Label34", P::Text, 0, S::Applied},
        {121, "Czas_wtrysku_GroupBox", P::GroupTitle, 0, S::Applied},
        {122, "Cisnienie_GroupBox", P::GroupTitle, 0, S::Applied},
        {123, "Help_Memo", P::MemoText, 0, S::DesignText},
        // Added rows that are captions of controls; the others are read
        // when their dialog or message is shown.
        {msg::MapUndo, "MapUndo", P::Text, 0, S::Applied},
        {msg::MapRedo, "MapRedo", P::Text, 0, S::Applied},
        {msg::RecordItem, "Nagrywaj1", P::Text, 0, S::Applied},
        {msg::ReplayItem, "Odtworz1", P::Text, 0, S::Applied},
        {msg::ReplayPlayHint, "ReplayPlay", P::Hint, 0, S::Applied},
        {msg::ReplaySliderHint, "ReplaySlider", P::Hint, 0, S::Applied},
    };
    return targets;
}

const std::vector<UnappliedCaption>& unappliedCaptions()
{
    static const std::vector<UnappliedCaption> rows = {
        {24, "the gas bar's caption (Gaz_1A) is derived from the \"Gaz\" button (row 78)"},
        {26, "the lambda read-outs are named by number, the same in every language"},
        {27, "the switch-over page's tab takes row 96"},
        {31, "the port menu takes row 115"},
        {85, "the \"Diagnostyka\" tab keeps its caption in every language"},
        {86, "the gas bar's caption (Gaz_1A) is derived from the \"Gaz\" button (row 78)"},
        {95,
         "the petrol bars' caption (Benzyna_1A) is derived from the \"Petrol\" button "
         "(row 79)"},
        {107, "the window has no OBD page"},
        {108, "the window has no OBD page"},
        {109, "the window has no OBD page"},
        {110, "the window has no OBD page"},
        {111, "the window has no OBD page"},
        {120, "the oscilloscope's injection-time mode takes row 83"},
    };
    return rows;
}

}  // namespace brivel
