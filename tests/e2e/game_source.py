"""What the road test needs to know about the game, read from the game's own
source where the game defines it, so that a moved button or a new field in a
save file moves the test with it instead of breaking it quietly:

- a control's place: the call that draws it (DrawButton, DialogButton,
  DrawBobbingButton, DrawCheckBox) inside a named function, found by the
  label of its caption in the text table's source;
- the layout of the save files: the order of the fields the profile coder
  and the settings walk, and the sizes their files are built from;
- the save folder below the per-user data folder.

It understands only what those calls are written with: integer and float
literals, named constants of the same file, and + - * between them."""

import os
import re


class SourceFacts:
    def __init__(self, source_dir):
        self.source_dir = source_dir
        self._texts = None

    def read(self, path):
        with open(os.path.join(self.source_dir, path), encoding="utf-8") as f:
            return f.read()

    # ---- the text table's source: label -> number

    def text_number(self, label):
        if self._texts is None:
            self._texts = {}
            for line in self.read("content/texts/english.txt").splitlines():
                m = re.match(r"(\d+)\s+(\S+)\s*\|", line)
                if m:
                    self._texts[m.group(2)] = int(m.group(1))
        if label not in self._texts:
            raise KeyError("no text labelled %r" % label)
        return self._texts[label]

    # ---- constants and the bodies of functions

    def constants(self, path):
        found = {}
        for m in re.finditer(r"(?:constexpr|const)\s+(?:static\s+)?(?:int|float|long)\s+([^;=(]+=[^;]+);",
                             self.read(path)):
            for part in m.group(1).split(","):
                if "=" in part:
                    name, value = part.split("=", 1)
                    found[name.strip()] = value.strip()
        return found

    def evaluate(self, expression, constants, depth=0):
        text = expression.strip()
        if depth > 8:
            raise ValueError("constant %r defined in a circle" % expression)

        def name_value(m):
            name = m.group(0)
            if name not in constants:
                raise ValueError("unknown name %r in %r" % (name, expression))
            return "(%s)" % self.evaluate(constants[name], constants, depth + 1)

        text = re.sub(r"\b[A-Za-z_]\w*\b", name_value, text)
        text = re.sub(r"(\d+\.?\d*)f\b", r"\1", text)
        if not re.fullmatch(r"[\d\s.+\-*()]+", text):
            raise ValueError("cannot read %r" % expression)
        return eval(text, {"__builtins__": {}})

    def function_body(self, path, name):
        source = self.read(path)
        m = re.search(r"\b%s\s*\([^;{)]*\)\s*\{" % re.escape(name), source)
        if not m:
            raise KeyError("no function %s in %s" % (name, path))
        depth, i = 1, m.end()
        while depth and i < len(source):
            depth += {"{": 1, "}": -1}.get(source[i], 0)
            i += 1
        return source[m.end():i - 1]

    def array(self, path, name):
        """The integers of a constant array such as `int NAME[N] = {...};`."""
        m = re.search(r"\b%s\s*\[[^\]]*\]\s*=\s*\{([^}]*)\}" % re.escape(name), self.read(path))
        if not m:
            raise KeyError("no array %s in %s" % (name, path))
        constants = self.constants(path)
        return [self.evaluate(v, constants) for v in m.group(1).split(",")]

    def map_places(self, stage, index):
        """Where the stage map shows a stage's sign and, in its popup, the
        icon of the stage's index-th position (1 for its first)."""
        path = "tables/stage_map_tables.h"
        constants = self.constants(path)
        columns = self.evaluate(constants["SIGN_COLUMNS"], constants)
        value = lambda name: self.evaluate(constants[name], constants)
        sign = (self.array(path, "SIGN_COLUMN_X")[(stage - 1) % columns + 1],
                value("MAP_TOP") + self.array(path, "SIGN_ROW_DY")[(stage - 1) // columns + 1])
        icon = (value("POPUP_ICON_FIRST_X") + value("POPUP_ICON_STEP") * (index - 1), value("POPUP_ICON_Y"))
        return sign, icon

    # ---- controls

    CALLS = {  # the argument that names the caption's text
        "DialogButton": 2, "DrawButton": 4, "DrawBobbingButton": 4, "DrawCheckBox": 2,
    }

    def calls(self, body, kinds):
        for m in re.finditer(r"\b(%s)\s*\(" % "|".join(kinds), body):
            depth, i, start, args = 1, m.end(), m.end(), []
            while depth:
                c = body[i]
                if c in "([":
                    depth += 1
                elif c in ")]":
                    depth -= 1
                if (c == "," and depth == 1) or depth == 0:
                    args.append(body[start:i].strip())
                    start = i + 1
                i += 1
            yield m.group(1), args

    def control(self, path, function, caption_label):
        """The logical (x, y) of the control whose caption is that text."""
        number = self.text_number(caption_label)
        constants = self.constants(path)
        hits = []
        for kind, args in self.calls(self.function_body(path, function), self.CALLS):
            caption = args[self.CALLS[kind]]
            m = re.fullmatch(r"(?:codeTexts\[)?\s*(\w+)\s*\]?", caption)
            if m and self.evaluate(m.group(1), constants) == number:
                hits.append((self.evaluate(args[0], constants), self.evaluate(args[1], constants)))
        if len(hits) != 1:
            raise LookupError("%d controls captioned %r in %s of %s" % (len(hits), caption_label, function, path))
        return hits[0]

    def slider_track(self, path, function, label):
        """The y of the track of the slider labelled with that text."""
        number = self.text_number(label)
        for _, args in self.calls(self.function_body(path, function), ["DrawSlider"]):
            if args[0] == str(number):
                return self.evaluate(args[2], self.constants(path))
        raise LookupError("no slider labelled %r in %s" % (label, function))

    # ---- save files

    def list_after(self, path, function, opening):
        """The &p.field names of the first initializer list after `opening`
        in the function's body."""
        body = self.function_body(path, function)
        at = body.index(opening)
        block = body[at:body.index("};", at)]
        return re.findall(r"&\s*(?:\w+\.)?(\w+)", block)

    def profile_layout(self):
        """Byte offsets of the profile's leading fields, and where its name's
        length and the name lie."""
        head = self.list_after("menus/profiles.cpp", "CodeProfile", "int* head[]")
        integers = self.evaluate(self.constants("menus/profiles.cpp")["PROFILE_INTEGERS"], {})
        offsets = {name: 4 * i for i, name in enumerate(head)}
        return offsets, 4 * (integers - 1), 4 * integers

    def settings_lines(self):
        return self.list_after("shell/settings.cpp", "ReadSettings", "int* lines[]")

    def best_time_record(self):
        name_bytes = self.evaluate(self.constants("tables/best_time_tables.h")["BEST_TIME_NAME_BYTES"], {})
        return 4 + name_bytes, name_bytes

    def save_folder_below_base(self):
        m = re.search(r'SAVE_FOLDER_BELOW_BASE\s*=\s*"([^"]+)"', self.read("shell/startup.cpp"))
        return m.group(1)
