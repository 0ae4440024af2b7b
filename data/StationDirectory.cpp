// The station directory: every station the simulator can show, grouped by line
// in menu order. The pop-up menu, the route-map markers and the tests read this
// one table; each entry's (line, station) pair is the key of a station row.
#include "data/StationDirectory.h"

#include <cstring>
#include <vector>

namespace {

// Quorel 銀座線 - Ginza Line
constexpr DirectoryEntry kGEntries[] = {
    {"SN_G01", "渋谷 - Shibuya", "銀座線", "渋谷"},
    {"SN_G02", "表参道 - Omote-sando", "銀座線", "表参道"},
    {"SN_G03", "外苑前 - Gaiemmae", "銀座線", "外苑前"},
    {"SN_G04", "青山一丁目 - Aoyama-itchome", "銀座線", "青山一丁目"},
    {"SN_G05", "赤坂見附 - Akasaka-mitsuke", "銀座線", "赤坂見附"},
    {"SN_G06", "溜池山王 - Tameike-sanno", "銀座線", "溜池山王"},
    {"SN_G07", "虎ノ門 - Toranomon", "銀座線", "虎ノ門"},
    {"SN_G08", "新橋 - Shimbashi", "銀座線", "新橋"},
    {"SN_G09", "銀座 - Ginza", "銀座線", "銀座"},
    {"SN_G10", "京橋 - Kyobashi", "銀座線", "京橋"},
    {"SN_G11", "日本橋 - Nihombashi", "銀座線", "日本橋"},
    {"SN_G12", "三越前 - Mitsukoshimae", "銀座線", "三越前"},
    {"SN_G13", "神田 - Kanda", "銀座線", "神田"},
    {"SN_G14", "末広町 - Suehirocho", "銀座線", "末広町"},
    {"SN_G15", "上野広小路 - Ueno-Hirokoji", "銀座線", "上野広小路"},
    {"SN_G16", "上野 - Ueno", "銀座線", "上野"},
    {"SN_G17", "稲荷町 - Inaricho", "銀座線", "稲荷町"},
    {"SN_G18", "田原町 - Tawaramachi", "銀座線", "田原町"},
    {"SN_G19", "浅草 - Asakusa", "銀座線", "浅草"},
};

// Quorel 丸ノ内線 - Marunouchi Line
constexpr DirectoryEntry kMEntries[] = {
    {"SN_MM03", "(分岐線)方南町 - Honancho", "丸ノ内分岐線", "方南町"},
    {"SN_MM04", "(分岐線)中野富士見町 - Nakano-fujimicho", "丸ノ内分岐線", "中野富士見町"},
    {"SN_MM05", "(分岐線)中野新橋 - Nakano-shimbashi", "丸ノ内分岐線", "中野新橋"},
    {"SN_MM06", "(分岐線)中野坂上 - Nakano-sakaue", "丸ノ内分岐線", "中野坂上"},
    {"SN_M00", "-", "", ""},
    {"SN_M01", "荻窪 - Ogikubo", "丸ノ内線", "荻窪"},
    {"SN_M02", "南阿佐ヶ谷 - Minami-asagaya", "丸ノ内線", "南阿佐ヶ谷"},
    {"SN_M03", "新高円寺 - Shin-koenji", "丸ノ内線", "新高円寺"},
    {"SN_M04", "東高円寺 - Higashi-koenji", "丸ノ内線", "東高円寺"},
    {"SN_M05", "新中野 - Shin-nakano", "丸ノ内線", "新中野"},
    {"SN_M06", "中野坂上 - Nakano-sakaue", "丸ノ内線", "中野坂上"},
    {"SN_M07", "西新宿 - Nishi-shinjuku", "丸ノ内線", "西新宿"},
    {"SN_M08", "新宿 - Shinjuku", "丸ノ内線", "新宿"},
    {"SN_M09", "新宿三丁目 - Shinjuku-sanchome", "丸ノ内線", "新宿三丁目"},
    {"SN_M10", "新宿御苑前 - Shinjuku-gyoemmae", "丸ノ内線", "新宿御苑前"},
    {"SN_M11", "四谷三丁目 - Yotsuya-sanchome", "丸ノ内線", "四谷三丁目"},
    {"SN_M12", "四ツ谷 - Yotsuya", "丸ノ内線", "四ツ谷"},
    {"SN_M13", "赤坂見附 - Akasaka-mitsuke", "丸ノ内線", "赤坂見附"},
    {"SN_M14", "国会議事堂前 - Kokkai-gijidomae", "丸ノ内線", "国会議事堂前"},
    {"SN_M15", "霞ヶ関 - Kasumigaseki", "丸ノ内線", "霞ヶ関"},
    {"SN_M16", "銀座 - Ginza", "丸ノ内線", "銀座"},
    {"SN_M17", "東京 - Tokyo", "丸ノ内線", "東京"},
    {"SN_M18", "大手町 - Otemachi", "丸ノ内線", "大手町"},
    {"SN_M19", "淡路町 - Awajicho", "丸ノ内線", "淡路町"},
    {"SN_M20", "御茶ノ水 - Ochanomizu", "丸ノ内線", "御茶ノ水"},
    {"SN_M21", "本郷三丁目 - Hongo-sanchome", "丸ノ内線", "本郷三丁目"},
    {"SN_M22", "後楽園 - Korakuen", "丸ノ内線", "後楽園"},
    {"SN_M23", "茗荷谷 - Myogadani", "丸ノ内線", "茗荷谷"},
    {"SN_M24", "新大塚 - Shin-otsuka", "丸ノ内線", "新大塚"},
    {"SN_M25", "池袋 - Ikebukuro", "丸ノ内線", "池袋"},
};

// Quorel 日比谷線 - Hibiya Line
constexpr DirectoryEntry kHEntries[] = {
    {"SN_H01", "中目黒 - Naka-meguro", "日比谷線", "中目黒"},
    {"SN_H02", "恵比寿 - Ebisu", "日比谷線", "恵比寿"},
    {"SN_H03", "広尾 - Hiro-o", "日比谷線", "広尾"},
    {"SN_H04", "六本木 - Roppongi", "日比谷線", "六本木"},
    {"SN_H05", "神谷町 - Kamiyacho", "日比谷線", "神谷町"},
    {"SN_H06", "霞ヶ関 - Kasumigaseki", "日比谷線", "霞ヶ関"},
    {"SN_H07", "日比谷 - Hibiya", "日比谷線", "日比谷"},
    {"SN_H08", "銀座 - Ginza", "日比谷線", "銀座"},
    {"SN_H09", "東銀座 - Higashi-ginza", "日比谷線", "東銀座"},
    {"SN_H10", "築地 - Tsukiji", "日比谷線", "築地"},
    {"SN_H11", "八丁堀 - Hatchobori", "日比谷線", "八丁堀"},
    {"SN_H12", "茅場町 - Kayabacho", "日比谷線", "茅場町"},
    {"SN_H13", "人形町 - Ningyocho", "日比谷線", "人形町"},
    {"SN_H14", "小伝馬町 - Kodemmacho", "日比谷線", "小伝馬町"},
    {"SN_H15", "秋葉原 - Akihabara", "日比谷線", "秋葉原"},
    {"SN_H16", "仲御徒町 - Naka-okachimachi", "日比谷線", "仲御徒町"},
    {"SN_H17", "上野 - Ueno", "日比谷線", "上野"},
    {"SN_H18", "入谷 - Iriya", "日比谷線", "入谷"},
    {"SN_H19", "三ノ輪 - Minowa", "日比谷線", "三ノ輪"},
    {"SN_H20", "南千住 - Minami-senju", "日比谷線", "南千住"},
    {"SN_H21", "北千住 - Kita-senju", "日比谷線", "北千住"},
};

// Quorel 東西線 - Tozai Line
constexpr DirectoryEntry kTEntries[] = {
    {"SN_T01", "中野 - Nakano", "東西線", "中野"},
    {"SN_T02", "落合 - Ochiai", "東西線", "落合"},
    {"SN_T03", "高田馬場 - Takadanobaba", "東西線", "高田馬場"},
    {"SN_T04", "早稲田 - Waseda", "東西線", "早稲田"},
    {"SN_T05", "神楽坂 - Kagurazaka", "東西線", "神楽坂"},
    {"SN_T06", "飯田橋 - Iidabashi", "東西線", "飯田橋"},
    {"SN_T07", "九段下 - Kudanshita", "東西線", "九段下"},
    {"SN_T08", "竹橋 - Takebashi", "東西線", "竹橋"},
    {"SN_T09", "大手町 - Otemachi", "東西線", "大手町"},
    {"SN_T10", "日本橋 - Nihombashi", "東西線", "日本橋"},
    {"SN_T11", "茅場町 - Kayabacho", "東西線", "茅場町"},
    {"SN_T12", "門前仲町 - Monzen-nakacho", "東西線", "門前仲町"},
    {"SN_T13", "木場 - Kiba", "東西線", "木場"},
    {"SN_T14", "東陽町 - Toyocho", "東西線", "東陽町"},
    {"SN_T15", "南砂町 - Minami-sunamachi", "東西線", "南砂町"},
    {"SN_T16", "西葛西 - Nishi-kasai", "東西線", "西葛西"},
    {"SN_T17", "葛西 - Kasai", "東西線", "葛西"},
    {"SN_T18", "浦安 - Urayasu", "東西線", "浦安"},
    {"SN_T19", "南行徳 - Minami-gyotoku", "東西線", "南行徳"},
    {"SN_T20", "行徳 - Gyotoku", "東西線", "行徳"},
    {"SN_T21", "妙典 - Myoden", "東西線", "妙典"},
    {"SN_T22", "原木中山 - Baraki-nakayama", "東西線", "原木中山"},
    {"SN_T23", "西船橋 - Nishi-funabashi", "東西線", "西船橋"},
};

// Quorel 千代田線 - Chiyoda Line
constexpr DirectoryEntry kCEntries[] = {
    {"SN_C01", "代々木上原 - Yoyogi-uehara", "千代田線", "代々木上原"},
    {"SN_C02", "代々木公園 - Yoyogi-koen", "千代田線", "代々木公園"},
    {"SN_C03", "明治神宮前 - Meiji-jingumae", "千代田線", "明治神宮前"},
    {"SN_C04", "表参道 - Omote-sando", "千代田線", "表参道"},
    {"SN_C05", "乃木坂 - Nogizaka", "千代田線", "乃木坂"},
    {"SN_C06", "赤坂 - Akasaka", "千代田線", "赤坂"},
    {"SN_C07", "国会議事堂前 - Kokkai-gijidomae", "千代田線", "国会議事堂前"},
    {"SN_C08", "霞ヶ関 - Kasumigaseki", "千代田線", "霞ヶ関"},
    {"SN_C09", "日比谷 - Hibiya", "千代田線", "日比谷"},
    {"SN_C10", "二重橋前 - Nijubashimae", "千代田線", "二重橋前"},
    {"SN_C11", "大手町 - Otemachi", "千代田線", "大手町"},
    {"SN_C12", "新御茶ノ水 - Shin-ochanomizu", "千代田線", "新御茶ノ水"},
    {"SN_C13", "湯島 - Yushima", "千代田線", "湯島"},
    {"SN_C14", "根津 - Nezu", "千代田線", "根津"},
    {"SN_C15", "千駄木 - Sendagi", "千代田線", "千駄木"},
    {"SN_C16", "西日暮里 - Nishi-nippori", "千代田線", "西日暮里"},
    {"SN_C17", "町屋 - Machiya", "千代田線", "町屋"},
    {"SN_C18", "北千住 - Kita-senju", "千代田線", "北千住"},
    {"SN_C19", "綾瀬 - Ayase", "千代田線", "綾瀬"},
    {"SN_C00", "-", "", ""},
    {"SN_CC19", "(分岐線)綾瀬 - Ayase", "千代田分岐線", "綾瀬"},
    {"SN_C20", "(分岐線)北綾瀬 - Kita-ayase", "千代田分岐線", "北綾瀬"},
};

// Quorel 半蔵門線 - Hanzomon Line
constexpr DirectoryEntry kZEntries[] = {
    {"SN_Z01", "渋谷 - Shibuya", "半蔵門線", "渋谷"},
    {"SN_Z02", "表参道 - Omote-sando", "半蔵門線", "表参道"},
    {"SN_Z03", "青山一丁目 - Aoyama-itchome", "半蔵門線", "青山一丁目"},
    {"SN_Z04", "永田町 - Nagatacho", "半蔵門線", "永田町"},
    {"SN_Z05", "半蔵門 - Hanzomon", "半蔵門線", "半蔵門"},
    {"SN_Z06", "九段下 - Kudanshita", "半蔵門線", "九段下"},
    {"SN_Z07", "神保町 - Jimbocho", "半蔵門線", "神保町"},
    {"SN_Z08", "大手町 - Otemachi", "半蔵門線", "大手町"},
    {"SN_Z09", "三越前 - Mitsukoshimae", "半蔵門線", "三越前"},
    {"SN_Z10", "水天宮前 - Suitengumae", "半蔵門線", "水天宮前"},
    {"SN_Z11", "清澄白河 - Kiyosumi-shirakawa", "半蔵門線", "清澄白河"},
    {"SN_Z12", "住吉 - Sumiyoshi", "半蔵門線", "住吉"},
    {"SN_Z13", "錦糸町 - Kinshicho", "半蔵門線", "錦糸町"},
    {"SN_Z14", "押上 - Oshiage", "半蔵門線", "押上"},
};

// Quorel 有楽町線 - Yurakucho Line
constexpr DirectoryEntry kYEntries[] = {
    {"SN_YY06", "(新線)小竹向原 - Kotake-mukaihara", "有楽町新線", "小竹向原"},
    {"SN_YY09", "(新線)新線池袋 - Ikebukuro", "有楽町新線", "新線池袋"},
    {"SN_Y00", "-", "", ""},
    {"SN_Y01", "和光市 - Wakoshi", "有楽町線", "和光市"},
    {"SN_Y02", "地下鉄成増 - Chikatetsu-narimasu", "有楽町線", "地下鉄成増"},
    {"SN_Y03", "地下鉄赤塚 - Chikatetsu-akatsuka", "有楽町線", "地下鉄赤塚"},
    {"SN_Y04", "平和台 - Heiwadai", "有楽町線", "平和台"},
    {"SN_Y05", "氷川台 - Hikawadai", "有楽町線", "氷川台"},
    {"SN_Y06", "小竹向原 - Kotake-mukaihara", "有楽町線", "小竹向原"},
    {"SN_Y07", "千川 - Senkawa", "有楽町線", "千川"},
    {"SN_Y08", "要町 - Kanamecho", "有楽町線", "要町"},
    {"SN_Y09", "池袋 - Ikebukuro", "有楽町線", "池袋"},
    {"SN_Y10", "東池袋 - Higashi-Ikebukuro", "有楽町線", "東池袋"},
    {"SN_Y11", "護国寺 - Gokokuji", "有楽町線", "護国寺"},
    {"SN_Y12", "江戸川橋 - Edogawabashi", "有楽町線", "江戸川橋"},
    {"SN_Y13", "飯田橋 - Iidabashi", "有楽町線", "飯田橋"},
    {"SN_Y14", "市ヶ谷 - Ichigaya", "有楽町線", "市ヶ谷"},
    {"SN_Y15", "麹町 - Kojimachi", "有楽町線", "麹町"},
    {"SN_Y16", "永田町 - Nagatacho", "有楽町線", "永田町"},
    {"SN_Y17", "桜田門 - Sakuradamon", "有楽町線", "桜田門"},
    {"SN_Y18", "有楽町 - Yurakucho", "有楽町線", "有楽町"},
    {"SN_Y19", "銀座一丁目 - Ginza-itchome", "有楽町線", "銀座一丁目"},
    {"SN_Y20", "新富町 - Shintomicho", "有楽町線", "新富町"},
    {"SN_Y21", "月島 - Tsukishima", "有楽町線", "月島"},
    {"SN_Y22", "豊洲 - Toyosu", "有楽町線", "豊洲"},
    {"SN_Y23", "辰巳 - Tatsumi", "有楽町線", "辰巳"},
    {"SN_Y24", "新木場 - Shin-kiba", "有楽町線", "新木場"},
};

// Quorel 南北線 - Namboku Line
constexpr DirectoryEntry kNEntries[] = {
    {"SN_N01", "目黒 - Meguro", "南北線", "目黒"},
    {"SN_N02", "白金台 - Shirokanedai", "南北線", "白金台"},
    {"SN_N03", "白金高輪 - Shirokane-takanawa", "南北線", "白金高輪"},
    {"SN_N04", "麻布十番 - Azabu-juban", "南北線", "麻布十番"},
    {"SN_N05", "六本木一丁目 - Roppongi-itchome", "南北線", "六本木一丁目"},
    {"SN_N06", "溜池山王 - Tameike-sanno", "南北線", "溜池山王"},
    {"SN_N07", "永田町 - Nagatacho", "南北線", "永田町"},
    {"SN_N08", "四ツ谷 - Yotsuya", "南北線", "四ツ谷"},
    {"SN_N09", "市ヶ谷 - Ichigaya", "南北線", "市ヶ谷"},
    {"SN_N10", "飯田橋 - Iidabashi", "南北線", "飯田橋"},
    {"SN_N11", "後楽園 - Korakuen", "南北線", "後楽園"},
    {"SN_N12", "東大前 - Todaimae", "南北線", "東大前"},
    {"SN_N13", "本駒込 - Hon-komagome", "南北線", "本駒込"},
    {"SN_N14", "駒込 - Komagome", "南北線", "駒込"},
    {"SN_N15", "西ヶ原 - Nishigahara", "南北線", "西ヶ原"},
    {"SN_N16", "王子 - Oji", "南北線", "王子"},
    {"SN_N17", "王子神谷 - Oji-kamiya", "南北線", "王子神谷"},
    {"SN_N18", "志茂 - Shimo", "南北線", "志茂"},
    {"SN_N19", "赤羽岩淵 - Akabane-iwabuchi", "南北線", "赤羽岩淵"},
};

// (工事中)Quorel １３号線 - No.13 Line
constexpr DirectoryEntry kBEntries[] = {
    {"SN_B09", "小竹向原 - Kotake-mukaihara", "１３号線", "　小竹向原"},
    {"SN_B08", "池袋 - Ikebukuro", "１３号線", "　池袋"},
    {"SN_B07", "雑司ケ谷 - Zoshigaya", "１３号線", "　雑司ケ谷"},
    {"SN_B06", "西早稲田 - Nishi-waseda", "１３号線", "　西早稲田"},
    {"SN_B05", "新宿七丁目 - Shinjuku-nanachome", "１３号線", "　新宿七丁目"},
    {"SN_B04", "新宿三丁目 - Shinjuku-sanchome", "１３号線", "　新宿三丁目"},
    {"SN_B03", "新千駄ヶ谷 - Shin-sendagaya", "１３号線", "　新千駄ヶ谷"},
    {"SN_B02", "明治神宮前 - Meiji-jingumae", "１３号線", "　明治神宮前"},
    {"SN_B01", "渋谷 - Shibuya", "１３号線", "　渋谷"},
};

// 都営 浅草線 - Asakusa Line
constexpr DirectoryEntry kAEntries[] = {
    {"SN_A01", "西馬込 - Nishi-magome", "浅草線", "西馬込"},
    {"SN_A02", "馬込 - Magome", "浅草線", "馬込"},
    {"SN_A03", "中延 - Nakanobu", "浅草線", "中延"},
    {"SN_A04", "戸越 - Togoshi", "浅草線", "戸越"},
    {"SN_A05", "五反田 - Gotanda", "浅草線", "五反田"},
    {"SN_A06", "高輪台 - Takanawadai", "浅草線", "高輪台"},
    {"SN_A07", "泉岳寺 - Sengakuji", "浅草線", "泉岳寺"},
    {"SN_A08", "三田 - Mita", "浅草線", "三田"},
    {"SN_A09", "大門 - Daimon", "浅草線", "大門"},
    {"SN_A10", "新橋 - Shimbashi", "浅草線", "新橋"},
    {"SN_A11", "東銀座 - Higashi-ginza", "浅草線", "東銀座"},
    {"SN_A12", "宝町 - Takaracho", "浅草線", "宝町"},
    {"SN_A13", "日本橋 - Nihombashi", "浅草線", "日本橋"},
    {"SN_A14", "人形町 - Ningyocho", "浅草線", "人形町"},
    {"SN_A15", "東日本橋 - Higashi-nihombashi", "浅草線", "東日本橋"},
    {"SN_A16", "浅草橋 - Asakusabashi", "浅草線", "浅草橋"},
    {"SN_A17", "蔵前 - Kuramae", "浅草線", "蔵前"},
    {"SN_A18", "浅草 - Asakusa", "浅草線", "浅草"},
    {"SN_A19", "本所吾妻橋 - Honjoazumabashi", "浅草線", "本所吾妻橋"},
    {"SN_A20", "押上 - Oshiage", "浅草線", "押上"},
};

// 都営 三田線 - Mita Line
constexpr DirectoryEntry kIEntries[] = {
    {"SN_I01", "目黒 - Meguro", "三田線", "目黒"},
    {"SN_I02", "白金台 - Shirokanedai", "三田線", "白金台"},
    {"SN_I03", "白金高輪 - Shirokane-takanawa", "三田線", "白金高輪"},
    {"SN_I04", "三田 - Mita", "三田線", "三田"},
    {"SN_I05", "芝公園 - Shibakoen", "三田線", "芝公園"},
    {"SN_I06", "御成門 - Onarimon", "三田線", "御成門"},
    {"SN_I07", "内幸町 - Uchisaiwaicho", "三田線", "内幸町"},
    {"SN_I08", "日比谷 - Hibiya", "三田線", "日比谷"},
    {"SN_I09", "大手町 - Otemachi", "三田線", "大手町"},
    {"SN_I10", "神保町 - Jimbocho", "三田線", "神保町"},
    {"SN_I11", "水道橋 - Suidobashi", "三田線", "水道橋"},
    {"SN_I12", "春日 - Kasuga", "三田線", "春日"},
    {"SN_I13", "白山 - Hakusan", "三田線", "白山"},
    {"SN_I14", "千石 - Sengoku", "三田線", "千石"},
    {"SN_I15", "巣鴨 - Sugamo", "三田線", "巣鴨"},
    {"SN_I16", "西巣鴨 - Nishi-sugamo", "三田線", "西巣鴨"},
    {"SN_I17", "新板橋 - Shin-itabashi", "三田線", "新板橋"},
    {"SN_I18", "板橋区役所前 - Itabashikuyakushomae", "三田線", "板橋区役所前"},
    {"SN_I19", "板橋本町 - Itabashihoncho", "三田線", "板橋本町"},
    {"SN_I20", "本蓮沼 - Motohasunuma", "三田線", "本蓮沼"},
    {"SN_I21", "志村坂上 - Shimura-sakaue", "三田線", "志村坂上"},
    {"SN_I22", "志村三丁目 - Shimura-sanchome", "三田線", "志村三丁目"},
    {"SN_I23", "蓮根 - Hasune", "三田線", "蓮根"},
    {"SN_I24", "西台 - Nishidai", "三田線", "西台"},
    {"SN_I25", "高島平 - Takashimadaira", "三田線", "高島平"},
    {"SN_I26", "新高島平 - Shin-takashimadaira", "三田線", "新高島平"},
    {"SN_I27", "西高島平 - Nishi-takashimadaira", "三田線", "西高島平"},
};

// 都営 新宿線 - Shinjuku Line
constexpr DirectoryEntry kSEntries[] = {
    {"SN_S01", "新線新宿 - Shinjuku", "新宿線", "新線新宿"},
    {"SN_S02", "新宿三丁目 - Shinjuku-sanchome", "新宿線", "新宿三丁目"},
    {"SN_S03", "曙橋 - Akebonobashi", "新宿線", "曙橋"},
    {"SN_S04", "市ヶ谷 - Ichigaya", "新宿線", "市ヶ谷"},
    {"SN_S05", "九段下 - Kudanshita", "新宿線", "九段下"},
    {"SN_S06", "神保町 - Jimbocho", "新宿線", "神保町"},
    {"SN_S07", "小川町 - Ogawamachi", "新宿線", "小川町"},
    {"SN_S08", "岩本町 - Iwamotocho", "新宿線", "岩本町"},
    {"SN_S09", "馬喰横山 - Bakuroyokoyama", "新宿線", "馬喰横山"},
    {"SN_S10", "浜町 - Hamacho", "新宿線", "浜町"},
    {"SN_S11", "森下 - Morishita", "新宿線", "森下"},
    {"SN_S12", "菊川 - Kikukawa", "新宿線", "菊川"},
    {"SN_S13", "住吉 - Sumiyoshi", "新宿線", "住吉"},
    {"SN_S14", "西大島 - Nishi-ojima", "新宿線", "西大島"},
    {"SN_S15", "大島 - Ojima", "新宿線", "大島"},
    {"SN_S16", "東大島 - Higashi-ojima", "新宿線", "東大島"},
    {"SN_S17", "船堀 - Funabori", "新宿線", "船堀"},
    {"SN_S18", "一之江 - Ichinoe", "新宿線", "一之江"},
    {"SN_S19", "瑞江 - Mizue", "新宿線", "瑞江"},
    {"SN_S20", "篠崎 - Shinozaki", "新宿線", "篠崎"},
    {"SN_S21", "本八幡 - Motoyawata", "新宿線", "本八幡"},
};

// 都営 大江戸線 - Oedo Line
constexpr DirectoryEntry kEEntries[] = {
    {"SN_E38", "光が丘 - Hikarigaoka", "大江戸線", "光が丘"},
    {"SN_E37", "練馬春日町 - Nerima-kasugacho", "大江戸線", "練馬春日町"},
    {"SN_E36", "豊島園 - Toshimaen", "大江戸線", "豊島園"},
    {"SN_E35", "練馬 - Nerima", "大江戸線", "練馬"},
    {"SN_E34", "新江古田 - Shin-egota", "大江戸線", "新江古田"},
    {"SN_E33", "落合南長崎 - Ochiai-minami-nagasaki", "大江戸線", "落合南長崎"},
    {"SN_E32", "中井 - Nakai", "大江戸線", "中井"},
    {"SN_E31", "東中野 - Higashi-nakano", "大江戸線", "東中野"},
    {"SN_E30", "中野坂上 - Nakano-sakaue", "大江戸線", "中野坂上"},
    {"SN_E29", "西新宿五丁目 - Nishi-shinjuku-gochome", "大江戸線", "西新宿五丁目"},
    {"SN_E28", "(経由)都庁前 - Tochomae", "大江戸線", "都庁前"},
    {"SN_E27", "新宿 - Shinjuku", "大江戸線", "新宿"},
    {"SN_E26", "代々木 - Yoyogi", "大江戸線", "代々木"},
    {"SN_E25", "国立競技場 - Kokuritsu-kyogijo", "大江戸線", "国立競技場"},
    {"SN_E24", "青山一丁目 - Aoyama-itchome", "大江戸線", "青山一丁目"},
    {"SN_E23", "六本木 - Roppongi", "大江戸線", "六本木"},
    {"SN_E22", "麻布十番 - Azabu-juban", "大江戸線", "麻布十番"},
    {"SN_E21", "赤羽橋 - Akabanebashi", "大江戸線", "赤羽橋"},
    {"SN_E20", "大門 - Daimon", "大江戸線", "大門"},
    {"SN_E19", "汐留 - Shiodome", "大江戸線", "汐留"},
    {"SN_E18", "築地市場 - Tsukijishijo", "大江戸線", "築地市場"},
    {"SN_E17", "勝どき - Kachidoki", "大江戸線", "勝どき"},
    {"SN_E16", "月島 - Tsukishima", "大江戸線", "月島"},
    {"SN_E15", "門前仲町 - Monzen-nakacho", "大江戸線", "門前仲町"},
    {"SN_E14", "清澄白河 - Kiyosumi-shirakawa", "大江戸線", "清澄白河"},
    {"SN_E13", "森下 - Morishita", "大江戸線", "森下"},
    {"SN_E12", "両国 - Ryogoku", "大江戸線", "両国"},
    {"SN_E11", "蔵前 - Kuramae", "大江戸線", "蔵前"},
    {"SN_E10", "新御徒町 - Shin-okachimachi", "大江戸線", "新御徒町"},
    {"SN_E09", "上野御徒町 - Ueno-okachimachi", "大江戸線", "上野御徒町"},
    {"SN_E08", "本郷三丁目 - Hongo-sanchome", "大江戸線", "本郷三丁目"},
    {"SN_E07", "春日 - Kasuga", "大江戸線", "春日"},
    {"SN_E06", "飯田橋 - Iidabashi", "大江戸線", "飯田橋"},
    {"SN_E05", "牛込神楽坂 - Ushigome-kagurazaka", "大江戸線", "牛込神楽坂"},
    {"SN_E04", "牛込柳町 - Ushigome-yanagicho", "大江戸線", "牛込柳町"},
    {"SN_E03", "若松河田 - Wakamatsu-kawada", "大江戸線", "若松河田"},
    {"SN_E02", "東新宿 - Higashi-shinjuku", "大江戸線", "東新宿"},
    {"SN_E01", "新宿西口 - Shinjuku-nishiguchi", "大江戸線", "新宿西口"},
    {"SN_EE28", "(終着)都庁前 - Tochomae", "大江戸線", "　都庁前"},
};

constexpr DirectoryGroup kGroups[] = {
    {"SN_G", "Quorel 銀座線 - Ginza Line", kGEntries},
    {"SN_M", "Quorel 丸ノ内線 - Marunouchi Line", kMEntries},
    {"SN_H", "Quorel 日比谷線 - Hibiya Line", kHEntries},
    {"SN_T", "Quorel 東西線 - Tozai Line", kTEntries},
    {"SN_C", "Quorel 千代田線 - Chiyoda Line", kCEntries},
    {"SN_Z", "Quorel 半蔵門線 - Hanzomon Line", kZEntries},
    {"SN_Y", "Quorel 有楽町線 - Yurakucho Line", kYEntries},
    {"SN_N", "Quorel 南北線 - Namboku Line", kNEntries},
    {"SN_B", "(工事中)Quorel １３号線 - No.13 Line", kBEntries},
    {"SN_A", "都営 浅草線 - Asakusa Line", kAEntries},
    {"SN_I", "都営 三田線 - Mita Line", kIEntries},
    {"SN_S", "都営 新宿線 - Shinjuku Line", kSEntries},
    {"SN_E", "都営 大江戸線 - Oedo Line", kEEntries},
};

} // namespace

std::span<const DirectoryGroup> stationDirectory()
{
    return kGroups;
}

bool isSeparator(const DirectoryEntry& entry)
{
    return std::strcmp(entry.caption, "-") == 0;
}

std::span<const DirectoryEntry* const> directoryEntries()
{
    // Built once: the entries of all groups in menu order, separators left out.
    static const std::vector<const DirectoryEntry*> entries = [] {
        std::vector<const DirectoryEntry*> all;
        for (const DirectoryGroup& group : kGroups)
            for (const DirectoryEntry& entry : group.items)
                if (!isSeparator(entry))
                    all.push_back(&entry);
        return all;
    }();
    return entries;
}

const DirectoryEntry* findDirectoryEntry(std::string_view itemName)
{
    for (const DirectoryEntry* entry : directoryEntries())
        if (itemName == entry->name)
            return entry;
    return nullptr;
}

const DirectoryGroup* findDirectoryGroup(std::string_view groupName)
{
    for (const DirectoryGroup& group : kGroups)
        if (groupName == group.name)
            return &group;
    return nullptr;
}
