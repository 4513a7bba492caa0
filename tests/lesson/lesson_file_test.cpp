#include "lesson/lesson_file.h"

#include <fstream>

#include <gtest/gtest.h>

#include "lesson/controls.h"
#include "lesson/task_outcome.h"
#include "tests/test_files.h"

namespace {

const std::string kBodies = RBD_SOURCE_DIR "/examples/bodies/";

// A lesson with every key, the body where the shipped ones have theirs.
std::string LessonWith(std::string_view tasks = "", std::string_view top = "")
{
    return "format = 1\ntitle = \"Spin\"\nbody = \"" + kBodies + "rod.txt\"\n" + std::string(top) +
           "start = '''\npress 483 276\nrelease 483 246\n'''\n" + std::string(tasks);
}

constexpr std::string_view kNumberTask =
    "[[task]]\nprompt = \"How fast?\"\nkind = \"number\"\nquantity = \"angularVelocity[2]\"\n"
    "experiment = '''\nstartstop\ntick 5\n'''\n";

}  // namespace

// Every mistake a teacher can make is named with the file, its line and what
// is wrong; nothing of the lesson is used.
TEST(LessonFile, MistakesAreNamedByFileLineAndReason)
{
    struct Case {
        std::string text;
        int line;
        std::string reason;
    };
    const Case cases[] = {
        {LessonWith("", "colour = \"red\"\n"), 4, "unknown key \"colour\": a lesson takes format, title"},
        {LessonWith(std::string(kNumberTask) + "tolerence = 1\n"), 16, "unknown key \"tolerence\""},
        {"format = 2\ntitle = \"t\"\n", 1, "this program reads lessons of format 1"},
        {"title = \"t\"\n", 1, "'format' is missing"},
        {"format = 1\ntitle = \"t\"\nbody = \"" + kBodies + "none.txt\"\n", 3, "the body: cannot open"},
        {LessonWith("", "density = \"0\"\n"), 4, "is not positive"},
        {LessonWith("", "overlays = [\"com\", \"colour\"]\n"), 4, "no overlay is called \"colour\""},
        {LessonWith("", "locked = [\"spin\"]\n"), 4, "no control is called \"spin\": the controls are density"},
        {LessonWith("", "speed = 5\n"), 4, "the speed is a number from 0.125 to 4"},
        {LessonWith("[[task]]\nprompt = \"?\"\nkind = \"number\"\nquantity = \"angularVelocity[3]\"\n"), 11,
         "the state line has nothing at \"angularVelocity[3]\""},
        {LessonWith("[[task]]\nprompt = \"?\"\nkind = \"guess\"\n"), 10, "no kind of task is called \"guess\""},
        {LessonWith(std::string(kNumberTask) + "choices = [\"a\", \"b\", \"c\"]\n"), 16, "'choices' belong"},
        {LessonWith(std::string(kNumberTask) + "answer = \"fast\"\n"), 16, "'answer' is a number"},
        {LessonWith("[[task]]\nprompt = \"?\"\nkind = \"sign\"\nquantity = \"torque[2]\"\nanswer = \"up\"\n"), 12,
         "the answer \"up\" is none of the choices: negative, zero or positive"},
        {LessonWith("[[task]]\nprompt = \"?\"\nkind = \"largest\"\nquantity = \"steps\"\n[[task.option]]\n"
                    "label = \"a\"\n"),
         12, "compares two or more options"},
        {"format = 1\ntitle = \"t\"\nbody = \"" + kBodies + "rod.txt\"\nstart = '''\nstartstop\njump 3\n'''\n", 6,
         "unknown command \"jump\""},
        {"format = 1\ntitle = \"t\"\nbody = \"" + kBodies + "rod.txt\"\nstart = \"startstop\"\nnotes = '''\n'''\n" +
             "[[task]]\nprompt = \"?\"\nkind = \"number\"\nquantity = \"steps\"\nexperiment = \"state\"\n",
         11, "'state' has no place in a lesson"},
        {"format = 1\ntitle = \"t\"\nbody = \"" + kBodies + "rod.txt\"\nstart = '''\nopen nowhere.txt\n'''\n", 5,
         "cannot open"},
        {"format = 1\ntitle = \"t\"\n\x89PNG\r\n\x1a\n" + std::string(2, '\0'), 5, "the file is not text"},
        {"format = 1\ntitle = \"\xff\"\n", 2, "invalid utf-8"},
        {"format = 1\ntitle = \"t\"\nbody = [1]\n", 3, "'body' is text"},
        {"format = 1\ntitle = \"t\nbody = \"\"\n", 2, ""},
    };
    for (const Case& c : cases) {
        const TempFile file(c.text, "lesson.toml");
        try {
            ReadLesson(file.path());
            ADD_FAILURE() << "taken: " << c.text;
        } catch (const LessonError& error) {
            const std::string message = error.what();
            const std::string place = file.path().string() + ":" + std::to_string(c.line) + ": ";
            EXPECT_TRUE(message.starts_with(place)) << message << "\nfor\n" << c.text;
            EXPECT_NE(message.find(c.reason), std::string::npos) << message;
        }
    }
    const TempFile folder("", "lesson.toml");
    EXPECT_THROW(ReadLesson(folder.folder()), LessonError);
}

// The keys as the program takes them: paths from the lesson's folder, script
// lines numbered as the file's, the start made of the views then the script.
TEST(LessonFile, EveryKeyIsTakenAsWritten)
{
    const TempFile rod(
        "12 98.875 69 100.875 69 102.875 69 104.875 69 106.875 69 108.875 69 110.875 69 112.875 69 "
        "114.875 69 116.875 69 118.875 69 120.875 69",
        "rod.txt");
    const std::filesystem::path path = rod.folder() / "lessons/spin.toml";
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path)
        << "format = 1\ntitle = \"Spin\"\nnotes = \"*Look*\"\nbody = \"../rod.txt\"\ndensity = 2.5\n"
           "speed = 0.5\noverlays = [\"omega\"]\npanels = [\"plots\"]\nlocked = [\"push\"]\nhidden = [\"density\"]\n"
           "start = '''\n\n# the push\npress 483 276\nrelease 483 246\n'''\n"
           "[[task]]\nprompt = \"Which way?\"\nkind = \"sign\"\nchoices = [\"cw\", \"none\", \"ccw\"]\n"
           "quantity = \"|angularVelocity|\"\ntolerance = 1e-9\nexperiment = \"startstop\\ntick 2\"\nanswer = "
           "\"none\"\n"
           "[[task]]\nprompt = \"Which?\"\nkind = \"smallest\"\nquantity = \"angularVelocity[2]\"\n"
           "[[task.option]]\nlabel = \"rod\"\n[[task.option]]\nlabel = \"ring\"\nquantity = \"steps\"\n"
           "experiment = '''\nopen ../ring.txt\n'''\n";
    const ::Lesson lesson = ReadLesson(path);
    EXPECT_EQ(lesson.notes, "*Look*");
    EXPECT_EQ(lesson.body, rod.path());
    EXPECT_EQ(lesson.density, "2.5");
    EXPECT_EQ(lesson.speed, 0.5);
    EXPECT_EQ(lesson.overlays, Overlays{1u << static_cast<int>(Overlay::Omega)});
    EXPECT_EQ(lesson.panels, std::vector<std::string>{"plots"});
    EXPECT_EQ(lesson.locked, std::vector<std::string>{"push"});
    EXPECT_EQ(lesson.hidden, std::vector<std::string>{"density"});
    // size, open, density, speed, a view for each overlay, then the script's two lines.
    const std::size_t views = kOverlayTable.size();
    ASSERT_EQ(lesson.start.size(), 4 + views + 2);
    EXPECT_EQ(lesson.start[1], (Command{.kind = CommandKind::Open, .line = 4, .text = rod.path().string()}));
    EXPECT_EQ(lesson.start[2], (Command{.kind = CommandKind::Density, .line = 5, .text = "2.5"}));
    EXPECT_EQ(lesson.start[4 + views], (Command{.kind = CommandKind::Press, .line = 14, .x = 483, .y = 276}));
    ASSERT_EQ(lesson.tasks.size(), 2u);
    const Task& sign = lesson.tasks[0];
    EXPECT_EQ(sign.line, 17);
    EXPECT_EQ(sign.kind, TaskKind::Sign);
    EXPECT_EQ(sign.choices, (std::vector<std::string>{"cw", "none", "ccw"}));
    EXPECT_EQ(sign.tolerance, 1e-9);
    EXPECT_EQ(sign.answerChoice, 1u);
    ASSERT_EQ(sign.readings.size(), 1u);
    EXPECT_EQ(sign.readings[0].quantity, "|angularVelocity|");
    EXPECT_EQ(sign.readings[0].experiment.size(), 2u);
    const Task& smallest = lesson.tasks[1];
    EXPECT_EQ(smallest.choices, (std::vector<std::string>{"rod", "ring"}));
    EXPECT_EQ(smallest.readings[0].quantity, "angularVelocity[2]");
    EXPECT_EQ(smallest.readings[1].quantity, "steps");
    EXPECT_EQ(smallest.readings[1].experiment[0].text, (rod.folder() / "ring.txt").string());
    EXPECT_EQ(smallest.readings[1].experiment[0].line, 35);
}

// The README's example is a whole lesson that checks, and the README and the
// manual name every control a lesson may lock.
TEST(LessonFile, TheDocumentedExampleIsALessonThatChecks)
{
    const auto read = [](const std::filesystem::path& path) {
        std::ifstream in(path);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string readme = read(RBD_SOURCE_DIR "/README.md");
    const std::string manual = read(RBD_SOURCE_DIR "/packaging/rigid-body.1.in");
    const std::size_t start = readme.find("```toml\n");
    ASSERT_NE(start, std::string::npos);
    const std::size_t end = readme.find("```\n", start + 8);
    const TempFile rod(read(kBodies + "rod.txt"), "rod.txt");
    std::filesystem::create_directories(rod.folder() / "bodies");
    std::filesystem::copy_file(rod.path(), rod.folder() / "bodies/rod.txt");
    std::filesystem::create_directories(rod.folder() / "lessons");
    std::ofstream(rod.folder() / "lessons/example.toml") << readme.substr(start + 8, end - start - 8);
    const Lesson lesson = ReadLesson(rod.folder() / "lessons/example.toml");
    ASSERT_EQ(lesson.tasks.size(), 1u);
    EXPECT_NO_THROW(CheckWrittenAnswer(lesson, lesson.tasks[0], RunTask(lesson, lesson.tasks[0])));
    for (const LessonControl& control : kLessonControls) {
        EXPECT_NE(readme.find("`" + std::string(control.word) + "`"), std::string::npos) << control.word;
        EXPECT_NE(manual.find(std::string(control.word)), std::string::npos) << control.word;
    }
}
