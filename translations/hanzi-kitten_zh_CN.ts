<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AboutPage</name>
    <message>
        <source>Hanzi Kitten (小猫学汉字), version %1</source>
        <translation>小猫学汉字（Hanzi Kitten），版本 %1</translation>
    </message>
    <message>
        <source>A board game for young children learning to read Chinese characters.</source>
        <translation>一款帮助幼儿认读汉字的棋盘游戏。</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later: you may share and change it under its terms. It comes with no warranty.</source>
        <translation>本游戏是自由软件，采用 GNU 通用公共许可证第 3 版或更高版本：您可以按其条款分享和修改它。本游戏不提供任何担保。</translation>
    </message>
    <message>
        <source>The speech is made with eSpeak NG and the sound effects with SoX; the pictures are drawn partly from Noto Color Emoji (SIL Open Font License 1.1) and DejaVu Sans glyphs. The type face is LXGW WenKai, cut down, under the SIL Open Font License 1.1.</source>
        <translation>语音由 eSpeak NG 合成，音效由 SoX 制作；图画部分取自 Noto Color Emoji（SIL 开放字体许可证 1.1）和 DejaVu Sans 的字形。字体为精简后的霞鹜文楷（LXGW WenKai），采用 SIL 开放字体许可证 1.1。</translation>
    </message>
    <message>
        <source>Built with Qt 6 and SDL 2.</source>
        <translation>使用 Qt 6 和 SDL 2 构建。</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Displays this help and quits.</source>
        <translation>显示本帮助后退出。</translation>
    </message>
    <message>
        <source>Displays the version and quits.</source>
        <translation>显示版本后退出。</translation>
    </message>
    <message>
        <source>Repeats every random draw of a game: the spinner, the chance squares, the quizzes.</source>
        <translation>重现一局游戏的每次随机结果：转盘、机会格和测试。</translation>
    </message>
    <message>
        <source>Saves the start screen as a PNG picture, at the screen&apos;s pixel ratio, and quits.</source>
        <translation>按屏幕的像素比例把开始画面保存为 PNG 图片后退出。</translation>
    </message>
    <message>
        <source>Keeps the learning record and the settings in DIR instead of the user&apos;s data folder.</source>
        <translation>把学习记录和设置保存在 DIR 中，而不是用户的数据文件夹。</translation>
    </message>
    <message>
        <source>Prints what the child has learnt, word by word and day by day, and quits.</source>
        <translation>逐个词语、逐天打印孩子的学习记录后退出。</translation>
    </message>
    <message>
        <source>Usage: %1 [options]</source>
        <translation>用法：%1 [选项]</translation>
    </message>
    <message>
        <source>Hanzi Kitten (小猫学汉字): a board game for young children learning to read Chinese characters.</source>
        <translation>小猫学汉字（Hanzi Kitten）：一款帮助幼儿认读汉字的棋盘游戏。</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>选项：</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>%1
Try &apos;%2 --help&apos; for more information.</source>
        <translation>%1
请运行“%2 --help”查看更多信息。</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 to %1.</source>
        <translation>--seed 需要一个 0 到 %1 之间的整数。</translation>
    </message>
</context>
<context>
    <name>DaysPage</name>
    <message>
        <source>The last 14 days</source>
        <translation>最近 14 天</translation>
    </message>
    <message>
        <source>Minutes played</source>
        <translation>游戏分钟数</translation>
    </message>
    <message>
        <source>Words practised</source>
        <translation>练习的词语数</translation>
    </message>
    <message>
        <source>No day played in the last 14 days.</source>
        <translation>最近 14 天没有玩过。</translation>
    </message>
    <message>
        <source>Played on %1 of the last 14 days, %2 minutes in all; highest level %3.</source>
        <translation>最近 14 天中玩了 %1 天，共 %2 分钟；最高到第 %3 级。</translation>
    </message>
</context>
<context>
    <name>GuidePage</name>
    <message>
        <source>&lt;b&gt;What the child does.&lt;/b&gt; The child clicks the spinner at the top right, and the kitten walks as many squares as it shows and opens what its square holds. Everything is spoken, so the child needs the mouse and ears only, no reading. The game is in three levels; after the last, the kitten&apos;s story ends.</source>
        <translation>&lt;b&gt;孩子怎么玩。&lt;/b&gt;孩子点击右上角的转盘，小猫按转盘显示的数字走几格，然后进入所到格子的环节。所有内容都有语音，孩子只需用鼠标和耳朵，不必识字。游戏共三级；第三级结束后，小猫的故事就讲完了。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Teaching:&lt;/b&gt; four words with their pictures. Clicking a word says it. The bee ends the lesson.</source>
        <translation>&lt;b&gt;教汉字：&lt;/b&gt;四个词语和它们的图片。点击词语就会读出它。点击小蜜蜂结束这一环节。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quiz:&lt;/b&gt; the game says the four words one by one and the child clicks each. The tadpole says the word again. A wrong click sends the kitten back to the square that taught the words.</source>
        <translation>&lt;b&gt;测试：&lt;/b&gt;游戏逐个读出四个词语，孩子依次点击。点击小蝌蚪可以再听一遍。点错一次，小猫就退回到教这些词语的格子。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Poem:&lt;/b&gt; a classical poem is shown and recited.</source>
        <translation>&lt;b&gt;背唐诗：&lt;/b&gt;显示并朗诵一首唐诗。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Chance:&lt;/b&gt; a caterpillar sends the kitten three squares back, or a bee carries it four squares on.</source>
        <translation>&lt;b&gt;机会：&lt;/b&gt;毛毛虫让小猫后退三格，或者小蜜蜂带它前进四格。</translation>
    </message>
    <message>
        <source>&lt;b&gt;The levels.&lt;/b&gt; Every level teaches the same 32 words, with less help each time. Level 1 shows each word&apos;s picture; level 2 shows a picture only while the pointer is on its word; level 3 shows none, and its quizzes mix in four other words.</source>
        <translation>&lt;b&gt;三个级别。&lt;/b&gt;每一级都教同样的 32 个词语，提示一级比一级少。第一级每个词语都配有图片；第二级只在鼠标指向词语时显示图片；第三级没有图片，测试中还会混入另外四个词语。</translation>
    </message>
    <message>
        <source>&lt;b&gt;The help button&lt;/b&gt; shows these rules in Chinese for the child&apos;s grown-ups. Held down for three seconds, it opens this corner.</source>
        <translation>&lt;b&gt;帮助按钮&lt;/b&gt;用中文向家长说明游戏规则。按住它三秒钟，就会打开这个家长园地。</translation>
    </message>
</context>
<context>
    <name>ParentsCorner</name>
    <message>
        <source>Parents&apos; corner</source>
        <translation>家长园地</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>词语</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>每天</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>ParentsGate</name>
    <message>
        <source>For grown-ups</source>
        <translation>家长专用</translation>
    </message>
    <message>
        <source>Open the parents&apos; corner</source>
        <translation>打开家长园地</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>For grown-ups: what is %1 + %2?</source>
        <translation>请家长回答：%1 + %2 等于几？</translation>
    </message>
    <message>
        <source>Not quite. Here is another one.</source>
        <translation>不对，请再答一题。</translation>
    </message>
</context>
<context>
    <name>RecordReport</name>
    <message>
        <source>Hanzi Kitten: what the child has learnt</source>
        <translation>小猫学汉字：孩子的学习记录</translation>
    </message>
    <message>
        <source>Record: %1</source>
        <translation>记录文件：%1</translation>
    </message>
    <message>
        <source>Known: %1, met: %2, not yet: %3 of %4 words</source>
        <translation>共 %4 个词语：已掌握 %1 个，学过 %2 个，未学 %3 个</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>词语</translation>
    </message>
    <message>
        <source>Pinyin</source>
        <translation>拼音</translation>
    </message>
    <message>
        <source>State</source>
        <translation>掌握情况</translation>
    </message>
    <message>
        <source>Days met</source>
        <translation>学过的天数</translation>
    </message>
    <message>
        <source>Quiz answers</source>
        <translation>测试结果</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>分钟</translation>
    </message>
    <message>
        <source>Words practised</source>
        <translation>练习的词语数</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>级别</translation>
    </message>
    <message>
        <source>No day played yet.</source>
        <translation>还没有玩过。</translation>
    </message>
    <message>
        <source>known since %1</source>
        <translation>已掌握 %1</translation>
    </message>
    <message>
        <source>met</source>
        <translation>学过</translation>
    </message>
    <message>
        <source>not yet</source>
        <translation>未学</translation>
    </message>
    <message>
        <source>not asked yet</source>
        <translation>未测试</translation>
    </message>
    <message>
        <source>right %1, wrong %2</source>
        <translation>答对%1次 答错%2次</translation>
    </message>
    <message>
        <source>The record started afresh on %1: the earlier file could not be read and is kept as %2.</source>
        <translation>记录于 %1 重新开始：原来的记录文件无法读取，已另存为 %2。</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <source>Start at level 1</source>
        <translation>从第一级开始</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>静音</translation>
    </message>
    <message>
        <source>Start in full screen</source>
        <translation>以全屏方式开始</translation>
    </message>
    <message>
        <source>Starting a game</source>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>These take effect when the game next starts.</source>
        <translation>以上设置在下次开始游戏时生效。</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>The record</source>
        <translation>学习记录</translation>
    </message>
    <message>
        <source>The record stays on this computer; nothing is sent anywhere.</source>
        <translation>学习记录只保存在这台电脑上，不会发送到任何地方。</translation>
    </message>
    <message>
        <source>Forget the record...</source>
        <translation>清除学习记录……</translation>
    </message>
    <message>
        <source>Start at the highest level reached (now level %1)</source>
        <translation>从已到达的最高级别开始（目前是第 %1 级）</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>Forget the record</source>
        <translation>清除学习记录</translation>
    </message>
    <message>
        <source>Forget everything the record holds about what the child has learnt and played? This cannot be undone.</source>
        <translation>要清除孩子的全部学习和游戏记录吗？清除后无法恢复。</translation>
    </message>
    <message>
        <source>Forget</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>保留</translation>
    </message>
</context>
<context>
    <name>WordsPage</name>
    <message>
        <source>A word is known once the child has answered it right at the first try on two different days.</source>
        <translation>孩子在两个不同的日子里都一次答对某个词语，这个词语就算已掌握。</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>第 %1 组</translation>
    </message>
</context>
</TS>
