#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Proves what the test suite catches: applies deliberate faults to a scratch copy of the
sources, one at a time, rebuilds, runs the tests and reports which tests fail for each.
Every fault must be caught; the script exits non-zero if one survives or no longer applies.

    scripts/mutants.py [--only TEXT] [--keep DIR]

It takes about a minute a fault on two cores. It is not part of the test command. The sound
generator's faults regenerate the sounds and need the asset tools (install-deps.sh --assets).
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

# (what the fault breaks, file, exact text, its replacement). The text must occur once. A fault
# in two places of the file gives a tuple of texts and a tuple of their replacements.
MUTANTS = [
    ("the walking pose on the first tick of a step", "src/board/KittenWalk.cpp",
     "board_.showWalkingPose();", "(void)0;"),
    ("the walk ends on the tick after its last step", "src/board/KittenWalk.cpp",
     "if (record_.squaresLeft <= 0) {", "if (record_.squaresLeft <= 1) {"),
    ("passing square 43 advances the level", "src/game/Game.cpp",
     "record_.level += 1;", "record_.level += 0;"),
    ("the narration starts before the board is painted", "src/game/Game.cpp",
     "    sounds_.play(Sound::narration(record_.level));\n    board_.redraw();\n",
     "    board_.redraw();\n    sounds_.play(Sound::narration(record_.level));\n"),
    ("a board press during the first walk leaves one square", "src/game/Game.cpp",
     "    record_.squaresLeft = 1;\n    spinner_.arm();", "    spinner_.arm();"),
    ("a board press counts only before the level's first stage", "src/game/Game.cpp",
     "record_.stage != Stage::None ||", "record_.stage == Stage::Quiz ||"),
    ("the end scene ignores clicks", "src/game/Game.cpp",
     "record_.stage != Stage::None || record_.gameOver()", "record_.stage != Stage::None"),
    ("the help button takes its normal look as the help opens", "src/game/Game.cpp",
     "    view_.setButtonPicture(Button::Help, Bitmap::HelpButton);\n    view_.openHelp();",
     "    view_.openHelp();"),
    ("a press during a held sound does nothing", "src/game/Game.h",
     "bool takesPresses() const { return !held_.isPlaying(); }",
     "bool takesPresses() const { return true; }"),
    ("a tick during a held sound waits for its end", "src/game/Game.cpp",
     "    if (!held_.isPlaying())\n        return deliver(timer);",
     "    return deliver(timer);"),
    ("a timer started again forgets the tick it held", "src/game/Game.cpp",
     "void Game::start(GameTimer timer)\n{\n    forgetHeldTick(timer);\n",
     "void Game::start(GameTimer timer)\n{\n"),
    ("a held sound's end is waited for", "src/board/HeldSound.cpp",
     "sounds_.playHeld(sound, [this, then] { end(then); });",
     "sounds_.play(sound);\n        end(then);"),
    ("a held sound starts once the screen shows what goes with it", "src/board/HeldSound.cpp",
     "view_.whenShown(", "std::invoke("),
    ("what waits for the screen waits for its paint", "src/ui/GameScreen.cpp",
     "if (!top->isVisible() || !handle || !handle->isExposed()) {", "if (true) {"),
    ("the spinner draws 1 to 6", "src/board/Spinner.cpp",
     "randomBelow(platform_, Faces) + 1", "randomBelow(platform_, Faces)"),
    ("the spin delay after a poem starts no walk", "src/board/Spinner.cpp",
     "if (record_.turn != TurnPhase::NumberShown)", "if (false)"),
    ("the whirl shows the number on its fifth frame", "src/board/Spinner.cpp",
     "if (whirlFrame_ < static_cast<int>(WhirlFaces.size())) {", "if (whirlFrame_ < 3) {"),
    ("clicks during the whirl are ignored", "src/board/Spinner.cpp",
     " || record_.turn == TurnPhase::Whirling)", ")"),
    ("a square is announced before its stage opens", "src/board/SquareDispatch.cpp",
     "held_.play(Sound::announcement(square.kind), [this, square] { open(square); });",
     "open(square);"),
    ("the spinner stays disarmed during teaching", "src/stages/TeachingStage.cpp",
     "record_.stage = Stage::Teaching;", "record_.stage = Stage::Teaching;\n    spinner_.arm();"),
    ("teaching pictures show at level 1 only", "src/stages/TeachingStage.cpp",
     "record_.level == 1;", "record_.level <= 2;"),
    ("level-2 hover moving from one caption straight to another keeps the first",
     "src/stages/CaptionHover.cpp", "record_.hoveredCaption = slot;",
     "if (record_.hoveredCaption >= 0)\n            view_.setCaptionRed(record_.hoveredCaption, false);\n"
     "        record_.hoveredCaption = slot;"),
    ("a pressed caption turns red", "src/stages/Stages.cpp",
     "    view_.setCaptionRed(slot, true);\n", ""),
    ("the right caption is the asked index wherever it stands", "src/stages/WordQuiz.cpp",
     "if (slot != record_.quizAnswered)", "if (slot != record_.quizOrder[record_.quizAnswered])"),
    ("the words are asked in group order", "src/stages/WordQuiz.cpp",
     "groupWord(group(), record_.quizAnswered)",
     "groupWord(group(), record_.quizOrder[record_.quizAnswered])"),
    ("the level-3 distractors are the next group", "src/stages/WordQuiz.cpp",
     "group() + slot / Words", "group() + 2 * (slot / Words)"),
    ("a level-1 quiz keeps the captions' height", "src/stages/WordQuiz.cpp",
     "WordRow::captionLeft(column), std::nullopt);",
     "WordRow::captionLeft(column), WordRow::CaptionTop);"),
    ("the walk back after a failed quiz ends on the teaching square", "src/stages/WordQuiz.cpp",
     "teachingSquare(record_.level, index),", "teachingSquare(record_.level, index) - 1,"),
    ("a passed quiz arms the spinner", "src/stages/WordQuiz.cpp",
     "held_.play(Sound::QuizPassed, [this] { spinner_.arm(); });",
     "held_.play(Sound::QuizPassed, [] {});"),
    ("a caption's pressed look goes with the words", "src/stages/WordRow.cpp",
     "    for (int slot = 0; slot < CaptionSlots; ++slot)\n        view.setCaptionRed(slot, false);\n",
     ""),
    ("a wrong press leaves no pressed look behind", "src/stages/Stages.cpp",
     "if (record_.stage == Stage::Teaching || record_.tadpoleActive)", "if (true)"),
    ("the tadpole's look follows the pointer only while the quiz asks", "src/stages/WordQuiz.cpp",
     "    if (record_.tadpoleActive)\n        showHoverLook", "    showHoverLook"),
    ("the poem shows before its recitation starts", "src/stages/PoemStage.cpp",
     "    view_.showPoem(content_.poem(poem));\n    held_.play(Sound::recitation(poem), [this] {",
     "    held_.play(Sound::recitation(poem), [this, poem] {\n        view_.showPoem(content_.poem(poem));"),
    ("the caterpillar sends the kitten three squares back", "src/stages/ChanceSquare.cpp",
     "walk_.start(3, Direction::Backward);", "walk_.start(2, Direction::Backward);"),
    ("a sound's end comes after its length", "src/media/SdlSoundOutput.cpp",
     "stallWatch_.start(length + StallMargin);", "stallWatch_.start(0);"),
    ("a press with no move before shows the hover look", "src/ui/PictureButton.cpp",
     "    emit hovered(true);\n    pressedInside_ = true;", "    pressedInside_ = true;"),
    ("the kitten's mask is ANDed in", "src/ui/BoardCanvas.cpp",
     "RasterOp_SourceAndDestination", "RasterOp_SourceOrDestination"),
    ("the walking pose paints the walking frames", "src/ui/GameScreen.cpp",
     "cellPosition(cell), Bitmap::WalkingKittenMask,",
     "cellPosition(cell), Bitmap::StandingKittenMask,"),
    ("pictures are painted from the variant drawn for the screen's fineness",
     "src/media/Resources.cpp", "qBound(1, qCeil(devicePixels - 1e-6), FinestPictureScale)",
     "1"),
    ("captions stand where the scale puts them", "src/ui/Caption.cpp",
     "move(DesignScale::scaled(designPosition, scale_));", "move(designPosition);"),
    ("the board paints its pieces again at a new scale", "src/ui/BoardCanvas.cpp",
     "    for (const Piece &piece : pieces_)\n        paintOnCanvas(piece);\n", ""),
    ("a picture is left as it lies only if it is the same picture", "src/ui/BoardCanvas.cpp",
     "top->area == piece.area && top->picture == piece.picture &&", "top->area == piece.area &&"),
    ("a picture is left as it lies only if nothing was painted over it since",
     "src/ui/BoardCanvas.cpp", "return p.area.intersects(piece.area);",
     "return p.area == piece.area && p.picture == piece.picture;"),
    ("the window keeps the game's own colours under any theme", "src/window/MainWindow.cpp",
     "    setPalette(GameScreen::ownPalette());\n", ""),
    ("the help window's text stays dark", "src/help/HelpWindow.cpp",
     "    palette.setColor(QPalette::WindowText, Qt::black);\n", ""),
    ("F11 toggles full screen", "src/window/MainWindow.cpp",
     "windowState() ^ Qt::WindowFullScreen", "windowState() | Qt::WindowFullScreen"),
    ("the window opens as large as the screen allows", "src/window/MainWindow.cpp",
     "std::clamp(fits, 0.5, 1.0)", "1.0"),
    ("the help window is modal to the game", "src/ui/CentredDialog.cpp",
     "    setWindowModality(Qt::WindowModal);\n", ""),
    ("Escape closes the help window", "src/ui/CentredDialog.cpp",
     "if (event->key() == Qt::Key_Escape)", "if (false)"),
    ("a second start brings the running game to the front", "src/window/SingleInstance.cpp",
     "    window_->raise();\n", ""),
    ("a data file is looked for in the data folder too", "src/media/Platform.cpp",
     "return QFileInfo::exists(installed) ? installed : besideProgram;",
     "return besideProgram;"),
    ("the bold face is built in and registered", "src/ui/Fonts.cpp",
     '{QStringLiteral("Regular"), QStringLiteral("Bold")}', '{QStringLiteral("Regular")}'),
    ("the help text and the tool tips are set in the game's face", "src/ui/Fonts.cpp",
     "    QApplication::setFont(font);\n", ""),
    ("a character new to a literal of the sources is in the font", "src/ui/GameScreen.cpp",
     'setToolTip(QStringLiteral("帮助"));', 'setToolTip(QStringLiteral("帮助窗"));'),
    ("a character new to a word is in the font", "resources/strings/101.txt", "厨房,", "厨窗,"),
    ("the manual page documents every option", "packaging/hanzi-kitten.6.in",
     '.BI \\-\\-seed " N"\n', ""),
    ("the copyright file is installed with the documents", "packaging/CMakeLists.txt",
     "changelog.gz debian/copyright\n", "changelog.gz\n"),
    ("the Windows icon points each picture at its own bytes", "packaging/windows/make-ico.py",
     "len(data), offset + len(blobs))", "len(data), offset)"),
    ("the Windows icon holds every picture", "packaging/windows/make-ico.py",
     'struct.pack("<HHH", 0, 1, len(pictures))', 'struct.pack("<HHH", 0, 1, len(pictures) - 1)'),
    ("a malformed command line ends with status 2", "src/CommandLine.h",
     "static constexpr int UsageError = 2;", "static constexpr int UsageError = 1;"),
    ("no usable display ends the program before Qt aborts", "src/WindowSystem.cpp",
     "    std::_Exit(EXIT_FAILURE);\n", ""),
    ("what Qt says while it connects is held back", "src/WindowSystem.cpp",
     "        held.push_back({type, context.category, text});\n",
     "        sayOnStderr(text);\n"
     "        held.push_back({type, context.category, text});\n"),
    # The sound generator: the sounds are made again with the fault (see SOUND_SOURCES).
    ("each phrase of speech is set to the speech level", "tools/assets/sounds/generate.sh",
     "fade_into_silences(set_level(part, what, lambda m: m[0])), note",
     "fade_into_silences(part), note"),
    ("the voice fades out before a consonant's closure", "tools/assets/sounds/generate.sh",
     "if i and (end - i >= SILENCE_RUN or end == n):", "if i and end == n:"),
    ("neutral syllables are spoken faster", "tools/assets/sounds/generate.sh",
     "    speak(text, speed, tmp, neutral_rate)\n", "    speak(text, speed, tmp)\n"),
    # The sound meter, whose measures the asset checks trust.
    ("a step into a consonant's closure counts as a step into silence",
     "tools/assets/sounds/meter/SoundMeter.cpp", "shortestSilence = 10 * ms;",
     "shortestSilence = 100 * ms;"),
    ("a syllable stands 10 dB above its dips", "tools/assets/sounds/meter/SoundMeter.cpp",
     "SyllableProminenceDb = 10,", "SyllableProminenceDb = 1,"),
    ("phrases are parted by pauses of 150 ms", "tools/assets/sounds/meter/SoundMeter.cpp",
     "PhrasePause = 0.15;", "PhrasePause = 0.1;"),
    ("a sound that replaces another starts at its own beginning, wherever the position is reset",
     "src/media/SoundDevice.cpp",
     ("        current_.swap(samples);\n        position_ = 0;\n",
      "    released.swap(current_);\n    position_ = 0;\n"),
     ("        current_.swap(samples);\n", "    released.swap(current_);\n")),
    ("a long sound is never taken for a stalled device", "src/media/SdlSoundOutput.cpp",
     "stallWatch_.start(length + StallMargin);",
     "stallWatch_.start(std::min<std::chrono::milliseconds>(length, 10s) + StallMargin);"),
    ("a sound's playing time counts bytes, not bits", "src/media/WaveDecoding.cpp",
     "(SDL_AUDIO_BITSIZE(format.format) / 8)", "SDL_AUDIO_BITSIZE(format.format)"),
    ("a step file's chunks are walked with their pad bytes", "src/media/WaveDecoding.cpp",
     "at += ChunkHeader + length + (length & 1);", "at += ChunkHeader + length;"),
    ("the second press of a double-click on a picture button is none",
     "src/ui/PictureButton.cpp",
     "mouseDoubleClickEvent(QMouseEvent *event)\n{\n    event->accept();",
     "mouseDoubleClickEvent(QMouseEvent *event)\n{\n    mousePressEvent(event);"),
    ("a caption's type grows with the scale", "src/ui/Caption.cpp",
     "    setFont(Fonts::caption(scale));\n", ""),
    ("a caption fits its text at every scale", "src/ui/Caption.cpp",
     "    if (!text().isEmpty())\n        adjustSize();\n", ""),
    ("a quiz's group is taught in its level", "src/content/Content.cpp",
     "require(taught >= 1 && taught < s,", "require(taught < s,"),
    ("only square 0 is a start square", "src/content/Content.cpp",
     "require((kind == SquareKind::Start) == (s == 0), where,",
     "require(s != 0 || kind == SquareKind::Start, where,"),
    ("a poem square names one of the poems", "src/content/Content.cpp",
     "        return Text::PoemCount;\n", "        return Text::PoemCount + 1;\n"),
    ("a sound asked for before the device opens starts once it opens", "src/media/SoundDevice.cpp",
     "    usable_ = opened != 0;\n    requested_.notify_all();\n", "    usable_ = opened != 0;\n"),
    ("a caption under the pointer hears it move", "src/ui/Caption.cpp",
     "    setMouseTracking(true);\n", ""),
    ("the word pictures go with the word row", "src/ui/GameScreen.cpp",
     "    for (PictureButton *picture : wordPictures_)\n        picture->hide();\n", ""),
    # The learning record and the parents' corner.
    ("a word is known in the record once answered right on two different days",
     "src/content/LearningRecord.cpp", "++daysRight == DaysToKnow", "++daysRight == 1"),
    ("a day of wrong answers only never makes a word known in the record",
     "src/content/LearningRecord.cpp", "if (entry.right > 0 && ++daysRight",
     "if (entry.right + entry.wrong > 0 && ++daysRight"),
    ("the record keeps its days in date order when the clock goes back",
     "src/content/LearningRecord.cpp", "    return *days.insert(at, Day{day});",
     "    days.push_back(Day{day});\n    return days.back();"),
    ("a pause longer than two minutes adds no play time to the record",
     "src/board/LearningLog.cpp", "pause >= 0 && pause <= IdleLimitSeconds", "pause >= 0"),
    ("a clock set back adds no play time to the record", "src/board/LearningLog.cpp",
     "pause >= 0 && pause <= IdleLimitSeconds", "pause <= IdleLimitSeconds"),
    ("the record is saved only when something new was noted", "src/board/LearningLog.cpp",
     "if (changed_ && save_)", "if (save_)"),
    ("a quiz notes in the record the word it asked, not the one pressed",
     "src/stages/WordQuiz.cpp",
     "log_.wordAnswered(askedWord(), slot == record_.quizAnswered);",
     "log_.wordAnswered(content_.groupWord(group(), slot % Words), slot == record_.quizAnswered);"),
    ("a caption heard in teaching is taught in the record", "src/stages/TeachingStage.cpp",
     "    log_.wordTaught(word);\n", ""),
    ("an unreadable record that cannot be moved aside is never written over",
     "src/content/RecordFile.cpp", "        mayWrite_ = false;\n", ""),
    ("a record from a newer version is kept aside as newer", "src/content/RecordFormat.cpp",
     "if (format.toDouble() > Version)", "if (format.toDouble() > Version + 1)"),
    ("a record with a number out of range is kept aside", "src/content/RecordFormat.cpp",
     "value.isDouble() && stored >= low && stored <= high", "value.isDouble() && stored <= high"),
    ("default settings start at level 1 whatever the record says",
     "src/content/ParentSettings.cpp", "startLevel == StartLevel::HighestReached ?",
     "startLevel != StartLevel::HighestReached ?"),
    ("the window starts at the level the record's settings choose", "src/window/MainWindow.cpp",
     "    record_.level = saved_.settings.levelToStartAt(saved_.learning);\n", ""),
    ("the record's volume reaches the sound output at the start", "src/window/MainWindow.cpp",
     "    platform.sound().setVolume(saved_.settings.gain());\n", ""),
    ("forgetting the record asks first", "src/corner/SettingsPage.cpp",
     "    question->show();\n}", "    question->show();\n    emit forgetConfirmed();\n}"),
    ("forgetting the record keeps the settings", "src/content/SavedRecord.h",
     "        learning = {};\n        restart.reset();", "        *this = {};"),
    ("--data-dir names the record's folder", "src/media/QtPlatform.cpp",
     ": recordFolder_(recordFolder.isEmpty()", ": recordFolder_(!recordFolder.isEmpty()"),
    ("the sound output scales every sample to the volume the corner sets",
     "src/media/SoundDevice.cpp", "if (volume == SDL_MIX_MAXVOLUME) {", "if (true) {"),
    ("the release of the help button held for the corner opens no help",
     "src/ui/HoldRing.cpp", "return std::exchange(swallowRelease_, false);", "return false;"),
    ("the corner's ring stays hidden as long as a click lasts", "src/ui/HoldRing.cpp",
     "if (ticks_ == TicksHidden) {", "if (ticks_ == 1) {"),
    ("only the right answer opens the corner", "src/corner/ParentsGate.cpp",
     "answer_->text().toInt() == sum_ && ", ""),
    ("every text of the corner has its translation", "translations/hanzi-kitten_zh_CN.ts",
     "<translation>家长园地</translation>", "<translation type=\"unfinished\"></translation>"),
    ("a character new to a translation is in the corner's face",
     "translations/hanzi-kitten_zh_CN.ts", "<translation>家长园地</translation>",
     "<translation>家长花园</translation>"),
    ("the corner and the report speak Chinese to a Chinese parent",
     "src/content/ParentLanguage.cpp", 'startsWith(QLatin1String("zh"))',
     'startsWith(QLatin1String("zz"))'),
]

# A fault in these files changes the sounds only when they are made again: for such a fault the
# scratch copy's sounds are regenerated (tools/assets/sounds/generate.sh, which needs
# scripts/install-deps.sh --assets) and put back afterwards.
SOUND_SOURCES = {"tools/assets/sounds/generate.sh", "tools/assets/sounds/speech.txt",
                 "tools/assets/sounds/words.txt"}


def run(command, cwd, log=None):
    return subprocess.run(command, cwd=cwd, stdout=log or subprocess.DEVNULL,
                          stderr=subprocess.STDOUT, text=True)


def failing_tests(build):
    # The monkey's long random run proves other things and would only slow each fault down.
    result = subprocess.run(["ctest", "--test-dir", build, "-j2", "--timeout", "120", "-E", "^Monkey$"],
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    names = re.findall(r"^\s*\d+ - (.+) \([^)]*\)$", result.stdout, re.MULTILINE)
    # Parameterised tests carry their parameter's bytes after the name.
    return [name.split("  #")[0] for name in names]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--only", help="run only the faults whose description contains TEXT")
    parser.add_argument("--keep", help="build in DIR and keep it (faster next time)")
    options = parser.parse_args()

    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    scratch = options.keep or tempfile.mkdtemp(prefix="hk-mutants-")
    source, build = os.path.join(scratch, "source"), os.path.join(scratch, "build")
    files = subprocess.run(["git", "ls-files"], cwd=root, stdout=subprocess.PIPE,
                           text=True, check=True).stdout.split()
    for name in files:
        target = os.path.join(source, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(os.path.join(root, name), "rb") as new:
            content = new.read()
        if not os.path.exists(target) or open(target, "rb").read() != content:
            shutil.copy(os.path.join(root, name), target)
    print(f"building the unchanged sources in {build} ...", flush=True)
    if run(["cmake", "-S", source, "-B", build], root).returncode or \
            run(["cmake", "--build", build, "-j2"], root).returncode:
        sys.exit("the unchanged sources do not build")
    if failing_tests(build):
        sys.exit("the unchanged sources fail their tests")

    survivors = 0
    chosen = [m for m in MUTANTS if not options.only or options.only in m[0]]
    if any(m[1] in SOUND_SOURCES for m in chosen) and not all(
            shutil.which(tool) for tool in ("espeak-ng", "sox", "g++")):
        sys.exit("the sound generator's faults need scripts/install-deps.sh --assets")
    sounds = [name for name in files if name.startswith(("resources/sounds/", "resources/wav/"))]
    for number, (what, path, text, replacement) in enumerate(chosen, 1):
        file = os.path.join(source, path)
        original = open(file, encoding="utf-8").read()
        edits = list(zip(text, replacement)) if isinstance(text, tuple) else [(text, replacement)]
        if any(original.count(old) != 1 for old, _ in edits):
            print(f"{number:2}. {what}: DOES NOT APPLY ({path})")
            survivors += 1
            continue
        changed = original
        for old, new in edits:
            changed = changed.replace(old, new)
        open(file, "w", encoding="utf-8").write(changed)
        regenerate = path in SOUND_SOURCES
        try:
            if regenerate and run([os.path.join(source, "tools/assets/sounds/generate.sh")],
                                  source).returncode:
                verdict = "caught: the sounds cannot be made"
            elif run(["cmake", "--build", build, "-j2"], root).returncode:
                verdict = "caught: does not build"
            else:
                failed = failing_tests(build)
                verdict = f"caught by {len(failed)}: " + ", ".join(failed[:3]) if failed else "SURVIVED"
        finally:
            open(file, "w", encoding="utf-8").write(original)
            for name in sounds if regenerate else []:
                shutil.copy(os.path.join(root, name), os.path.join(source, name))
        survivors += verdict == "SURVIVED"
        print(f"{number:2}. {what}: {verdict}", flush=True)
    run(["cmake", "--build", build, "-j2"], root)
    if not options.keep:
        shutil.rmtree(scratch)
    print(f"{len(chosen) - survivors} of {len(chosen)} faults caught")
    sys.exit(1 if survivors else 0)


if __name__ == "__main__":
    main()
