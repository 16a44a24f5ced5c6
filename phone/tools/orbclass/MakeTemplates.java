package orbclass;

import java.io.IOException;
import java.io.PrintWriter;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * Turns javac's output for the phone classes into the class templates that
 * ship beside orbbasic: class version 48 (Java 1.4, which CLDC 1.1 phones and
 * their preverified classes commonly are) with CLDC StackMap attributes, and
 * for the game class the constant-pool places and code offsets the package
 * builder patches against. Also writes, as C++ headers, the table of the
 * game class's constant-pool entries that the compiler's package back end
 * emits, and the layout that class patching relies on with the list of
 * shipped classes, so the package builder knows them from here only.
 *
 * Usage: MakeTemplates CLASSES_DIR OUTPUT_DIR POOL_HEADER LAYOUT_HEADER CLASS=TEMPLATE...
 * where each CLASS=TEMPLATE names a shipped class and its template's file name.
 */
public final class MakeTemplates {
    private MakeTemplates() {}

    static final String PACKAGE = "program/";
    static final String GAME_CLASS = PACKAGE + "TheGameCanvas";

    /**
     * A constant the package builder expects at a fixed index: Class (7) or
     * Utf8 (1) with this text. The layout header names the index as cppName;
     * without one only the recognition bytes hold it.
     */
    record Pin(int index, int tag, String text, String cppName) {}

    static final Pin STRING_CLASS = new Pin(11, ClassFile.CLASS, "java/lang/String", "secondKindClass");
    static final Pin MAIN_NAME = new Pin(18, ClassFile.UTF8, "runMain", null);
    static final Pin LOCALS_CLASS = new Pin(147, ClassFile.CLASS, PACKAGE + "locals", "thirdKindClass");
    static final Pin CANVAS_CLASS = new Pin(180, ClassFile.CLASS, GAME_CLASS, "canvasClass");
    static final Pin CODE_NAME = new Pin(226, ClassFile.UTF8, "Code", "codeName");
    static final Pin MAIN_DESCRIPTOR = new Pin(231, ClassFile.UTF8, "()V", null);
    static final Pin PROC_NAME = new Pin(276, ClassFile.UTF8, "runProc", null);
    static final Pin PROC_DESCRIPTOR = new Pin(277, ClassFile.UTF8, "(Lprogram/locals;I)I", null);
    static final Pin STACK_MAP_NAME = new Pin(631, ClassFile.UTF8, "StackMap", "stackMapName");

    static final List<Pin> PINS = List.of(STRING_CLASS, MAIN_NAME, LOCALS_CLASS, CANVAS_CLASS, CODE_NAME,
            MAIN_DESCRIPTOR, PROC_NAME, PROC_DESCRIPTOR, STACK_MAP_NAME);

    // lload_3 lstore_1 lload_3 lstore_1 return: the main listing goes before the return.
    static final byte[] MAIN_END_MARKER = {0x21, 0x40, 0x21, 0x40, (byte) 0xB1};
    static final int MAIN_INSERT_OFFSET = 72;
    // lstore_3 lload 5 lstore_3 lload 5 lstore_3: the procedure listing goes after it.
    static final byte[] PROC_MARKER = {0x42, 0x16, 0x05, 0x42, 0x16, 0x05, 0x42};
    static final int PROC_INSERT_OFFSET = 95;
    // runProc's listing ends before its last instruction, an ireturn.
    static final int IRETURN = 0xAC;

    // What the package builder writes into the heads of the patched methods:
    // room for the listings' operands, and locals that cover what runMain
    // and runProc declare.
    static final int MAX_STACK = 128, MAIN_MAX_LOCALS = 10, PROC_MAX_LOCALS = 14;

    public static void main(String[] args) throws IOException {
        Path classes = Path.of(args[0]);
        Path output = Path.of(args[1]);
        List<String[]> shipped = new ArrayList<>();
        for (int i = 4; i < args.length; i++) shipped.add(args[i].split("=", 2));
        Files.createDirectories(output);
        for (String[] o : shipped) {
            ClassFile cf = ClassFile.read(Files.readAllBytes(classes.resolve(PACKAGE + o[0] + ".class")));
            StackMaps.convertMethods(cf);
            refuseClassLiterals(cf);
            cf.major = 48;
            cf.minor = 0;
            if (cf.className(cf.thisClass).equals(GAME_CLASS)) {
                addListingReferences(cf, cf);
                addListingReferences(cf, ClassFile.read(Files.readAllBytes(classes.resolve("program/locals.class"))));
                layOutPool(cf);
                padToOffset(cf, "runMain", MAIN_END_MARKER, MAIN_INSERT_OFFSET + 1, true);
                padToOffset(cf, "runProc", PROC_MARKER, PROC_INSERT_OFFSET, false);
                writePoolHeader(cf, Path.of(args[2]));
            }
            Files.write(output.resolve(o[1]), cf.write());
        }
        writeLayoutHeader(shipped, Path.of(args[3]));
    }

    /** Loading a class constant (a class literal in the source) needs class version 49. */
    private static void refuseClassLiterals(ClassFile cf) throws IOException {
        for (ClassFile.Member m : cf.methods) {
            ClassFile.Code c = code(cf, m);
            if (c == null) continue;
            for (int pc = 0; pc < c.code.length; pc += ClassFile.instructionLength(c.code, pc)) {
                int op = c.code[pc] & 0xFF;
                if (op != 0x12 && op != 0x13) continue;
                int index = op == 0x12 ? c.code[pc + 1] & 0xFF : ClassFile.readU2(c.code, pc + 1);
                if (cf.pool[index].tag == ClassFile.CLASS)
                    throw new IOException(cf.className(cf.thisClass) + "." + cf.utf8(m.nameIndex)
                            + " uses a class literal, which the phone's class version cannot hold");
            }
        }
    }

    // ---- constant-pool layout ----

    /**
     * Listings can only refer to entries that the game class's pool holds, so
     * every public field and method of the game class and of the procedure
     * frame class gets a reference entry, used by the Java code or not.
     */
    private static void addListingReferences(ClassFile game, ClassFile owner) {
        int ownerClass = classEntry(game, owner.className(owner.thisClass));
        for (List<ClassFile.Member> members : List.of(owner.fields, owner.methods)) {
            int tag = members == owner.fields ? ClassFile.FIELDREF : ClassFile.METHODREF;
            for (ClassFile.Member m : members) {
                String name = owner.utf8(m.nameIndex);
                if ((m.access & 0x0001) == 0 || name.equals("<clinit>")) continue;
                if (name.equals("<init>") && owner == game) continue;
                int nat = entry(game, ClassFile.NAME_AND_TYPE, game.addUtf8(name),
                        game.addUtf8(owner.utf8(m.descriptorIndex)));
                entry(game, tag, ownerClass, nat);
            }
        }
    }

    /** Finds or adds an entry made of two pool indices. */
    private static int entry(ClassFile cf, int tag, int a, int b) {
        for (int i = 1; i < cf.pool.length; i++) {
            ClassFile.Entry e = cf.pool[i];
            if (e != null && e.tag == tag && e.a == a && e.b == b) return i;
        }
        return cf.add(new ClassFile.Entry(tag, a, b, null));
    }

    private static void layOutPool(ClassFile cf) throws IOException {
        int[] pinned = new int[PINS.size()];
        for (int i = 0; i < pinned.length; i++) {
            Pin p = PINS.get(i);
            pinned[i] = p.tag() == ClassFile.UTF8 ? cf.addUtf8(p.text()) : classEntry(cf, p.text());
        }
        boolean[] byLdc = ldcTargets(cf);
        int oldCount = cf.pool.length;
        int[] map = new int[oldCount];
        int size = oldCount + PINS.get(PINS.size() - 1).index() + 2;
        boolean[] taken = new boolean[size];
        taken[0] = true;
        for (int i = 0; i < pinned.length; i++) {
            map[pinned[i]] = PINS.get(i).index();
            taken[PINS.get(i).index()] = true;
        }
        // ldc has a one-byte operand, so what it loads must stay below 256.
        for (int pass = 0; pass < 2; pass++) {
            for (int old = 1; old < oldCount; old++) {
                ClassFile.Entry e = cf.pool[old];
                if (e == null || map[old] != 0 || byLdc[old] != (pass == 0)) continue;
                int slot = 1;
                while (taken[slot] || (e.wide() && taken[slot + 1])) slot++;
                if (pass == 0 && slot > 255) throw new IOException("too many constants loaded by ldc");
                map[old] = slot;
                taken[slot] = true;
                if (e.wide()) taken[slot + 1] = true;
            }
        }
        int count = 0;
        for (int i = 0; i < size; i++) if (taken[i]) count = i + 1;
        ClassFile.Entry[] pool = new ClassFile.Entry[count];
        for (int old = 1; old < oldCount; old++) {
            ClassFile.Entry e = cf.pool[old];
            if (e == null) continue;
            if (e.tag != ClassFile.UTF8 && e.tag != ClassFile.INTEGER && e.tag != ClassFile.FLOAT
                    && e.tag != ClassFile.LONG && e.tag != ClassFile.DOUBLE) {
                e.a = map[e.a];
                if (e.tag != ClassFile.CLASS && e.tag != ClassFile.STRING) e.b = map[e.b];
            }
            pool[map[old]] = e;
        }
        // Unused places hold empty texts, which nothing refers to.
        for (int i = 1; i < count; i++)
            if (!taken[i]) pool[i] = new ClassFile.Entry(ClassFile.UTF8, 0, 0, new byte[0]);
        remapMembers(cf, map);
        cf.pool = pool;
    }

    private static int classEntry(ClassFile cf, String name) {
        int found = cf.findClass(name);
        return found != 0 ? found : cf.add(new ClassFile.Entry(ClassFile.CLASS, cf.addUtf8(name), 0, null));
    }

    private static boolean[] ldcTargets(ClassFile cf) throws IOException {
        boolean[] used = new boolean[cf.pool.length];
        for (ClassFile.Member m : cf.methods) {
            ClassFile.Code c = code(cf, m);
            if (c == null) continue;
            for (int pc = 0; pc < c.code.length; pc += ClassFile.instructionLength(c.code, pc))
                if ((c.code[pc] & 0xFF) == 0x12) used[c.code[pc + 1] & 0xFF] = true;
        }
        return used;
    }

    private static void remapMembers(ClassFile cf, int[] map) throws IOException {
        // Code bodies are parsed with the old pool, so remap them before the names.
        for (ClassFile.Member m : cf.methods) {
            for (ClassFile.Attribute a : m.attributes) {
                String name = cf.utf8(a.nameIndex);
                if (name.equals("Code")) a.body = remapCode(cf, a.body, map);
                else if (name.equals("Exceptions")) remapU2List(a.body, 0, map);
            }
        }
        for (ClassFile.Member f : cf.fields)
            for (ClassFile.Attribute a : f.attributes) ClassFile.writeU2(a.body, 0, map[ClassFile.readU2(a.body, 0)]);
        cf.thisClass = map[cf.thisClass];
        cf.superClass = map[cf.superClass];
        for (int i = 0; i < cf.interfaces.length; i++) cf.interfaces[i] = map[cf.interfaces[i]];
        for (List<ClassFile.Member> members : List.of(cf.fields, cf.methods)) {
            for (ClassFile.Member m : members) {
                m.nameIndex = map[m.nameIndex];
                m.descriptorIndex = map[m.descriptorIndex];
                for (ClassFile.Attribute a : m.attributes) a.nameIndex = map[a.nameIndex];
            }
        }
    }

    /** A u2 count followed by that many u2 pool indices. */
    private static void remapU2List(byte[] body, int at, int[] map) {
        int n = ClassFile.readU2(body, at);
        for (int i = 0; i < n; i++) {
            int p = at + 2 + 2 * i;
            ClassFile.writeU2(body, p, map[ClassFile.readU2(body, p)]);
        }
    }

    private static byte[] remapCode(ClassFile cf, byte[] body, int[] map) throws IOException {
        ClassFile.Code c = ClassFile.parseCode(cf, body);
        for (int pc = 0; pc < c.code.length; pc += ClassFile.instructionLength(c.code, pc)) {
            int op = c.code[pc] & 0xFF;
            int size = ClassFile.poolOperand(op);
            if (size == 1) c.code[pc + 1] = (byte) map[c.code[pc + 1] & 0xFF];
            else if (size == 2) ClassFile.writeU2(c.code, pc + 1, map[ClassFile.readU2(c.code, pc + 1)]);
        }
        for (int p = 0; p < c.exceptionTable.length; p += 8) {
            int type = ClassFile.readU2(c.exceptionTable, p + 6);
            if (type != 0) ClassFile.writeU2(c.exceptionTable, p + 6, map[type]);
        }
        if (c.stackMap != null) {
            List<StackMaps.Frame> frames = StackMaps.readStackMap(c.stackMap);
            List<StackMaps.Frame> moved = new ArrayList<>();
            for (StackMaps.Frame f : frames) {
                StackMaps.Frame g = new StackMaps.Frame();
                g.offset = f.offset;
                for (StackMaps.Type t : f.locals) g.locals.add(remapType(t, map));
                for (StackMaps.Type t : f.stack) g.stack.add(remapType(t, map));
                moved.add(g);
            }
            c.stackMap = StackMaps.toStackMap(moved);
        }
        return ClassFile.writeCode(c, map[cf.findUtf8("StackMap")]);
    }

    private static StackMaps.Type remapType(StackMaps.Type t, int[] map) {
        return t.tag == 7 ? new StackMaps.Type(7, map[t.operand]) : t;
    }

    // ---- code offsets ----

    private static ClassFile.Code code(ClassFile cf, ClassFile.Member m) throws IOException {
        for (ClassFile.Attribute a : m.attributes)
            if (cf.utf8(a.nameIndex).equals("Code")) return ClassFile.parseCode(cf, a.body);
        return null;
    }

    /**
     * Puts nop instructions before the marker so that it ends at the given
     * offset, and gives the method an empty StackMap. The method must be
     * straight-line code (no frames, no handlers), so nothing else moves;
     * with atEnd the marker must close the code.
     */
    private static void padToOffset(ClassFile cf, String method, byte[] marker, int endOffset, boolean atEnd)
            throws IOException {
        for (ClassFile.Member m : cf.methods) {
            if (!cf.utf8(m.nameIndex).equals(method)) continue;
            ClassFile.Attribute a = m.attributes.get(0);
            ClassFile.Code c = ClassFile.parseCode(cf, a.body);
            if (m.attributes.size() != 1 || c.stackMap != null || c.exceptionTable.length != 0)
                throw new IOException(method + " must be straight-line code with only a Code attribute");
            // The package builder appends the listing's frames to this method's StackMap.
            c.stackMap = new byte[] {0, 0};
            int at = indexOf(c.code, marker);
            if (at < 0 || (atEnd && at + marker.length != c.code.length))
                throw new IOException(method + " lacks its marker");
            int pad = endOffset - (at + marker.length);
            if (pad < 0) throw new IOException(method + " is " + -pad + " bytes too long before its marker");
            byte[] code = new byte[c.code.length + pad];
            System.arraycopy(c.code, 0, code, 0, at);
            System.arraycopy(c.code, at, code, at + pad, c.code.length - at);
            c.code = code;
            a.body = ClassFile.writeCode(c, cf.findUtf8("StackMap"));
            return;
        }
        throw new IOException("no method " + method);
    }

    private static int indexOf(byte[] code, byte[] marker) {
        for (int i = 0; i + marker.length <= code.length; i++)
            if (Arrays.equals(code, i, i + marker.length, marker, 0, marker.length)) return i;
        return -1;
    }

    // ---- the package builder's tables ----

    /** The places of the game class template that class patching relies on, and the shipped classes, as C++ data. */
    private static void writeLayoutHeader(List<String[]> shipped, Path header) throws IOException {
        String game = null;
        for (String[] o : shipped) if (GAME_CLASS.equals(PACKAGE + o[0])) game = o[1];
        if (game == null) throw new IOException("the game class is not among the shipped classes");
        Files.createDirectories(header.getParent());
        try (PrintWriter out = new PrintWriter(Files.newBufferedWriter(header))) {
            out.println("// Generated by phone/tools/orbclass/MakeTemplates.java; do not edit.");
            out.println("// The places in the game class template that class patching relies on, and the");
            out.println("// phone classes the package ships; the patcher and the template check read them.");
            out.println("#pragma once");
            out.println();
            out.println("#include <array>");
            out.println("#include <cstdint>");
            out.println("#include <string_view>");
            out.println();
            out.println("namespace templateLayout {");
            out.println();
            for (Pin p : PINS)
                if (p.cppName() != null)
                    out.printf("inline constexpr int %s = %d;  // %s%n", p.cppName(), p.index(), p.text());
            out.println();
            out.println("// method_info from the low byte of name_index to the Code attribute's name index.");
            printBytes(out, "mainRecognition", recognition(MAIN_NAME, MAIN_DESCRIPTOR));
            printBytes(out, "procRecognition", recognition(PROC_NAME, PROC_DESCRIPTOR));
            out.println("// The main listing goes before the return that ends this marker.");
            printBytes(out, "mainEndMarker", MAIN_END_MARKER);
            out.println("// The procedure listing goes after this marker.");
            printBytes(out, "procInsertMarker", PROC_MARKER);
            out.printf("inline constexpr int mainInsertOffset = %d;%n", MAIN_INSERT_OFFSET);
            out.printf("inline constexpr int procInsertOffset = %d;%n", PROC_INSERT_OFFSET);
            out.println("// The procedure method ends with it, after its listing.");
            out.printf("inline constexpr std::uint8_t ireturn = 0x%02X;%n", IRETURN);
            out.println();
            out.println("// Written into the heads of the patched methods.");
            out.printf("inline constexpr int maxStack = %d;%n", MAX_STACK);
            out.printf("inline constexpr int mainMaxLocals = %d;%n", MAIN_MAX_LOCALS);
            out.printf("inline constexpr int procMaxLocals = %d;%n", PROC_MAX_LOCALS);
            out.println();
            out.println("// A shipped class: its name in the package and its template in the program folder.");
            out.println("struct TemplateClass {");
            out.println("    std::string_view name;");
            out.println("    std::string_view templateFile;");
            out.println("};");
            out.printf("inline constexpr std::array<TemplateClass, %d> classes = {{%n", shipped.size());
            for (String[] o : shipped) out.printf("    {\"%s\", \"%s\"},%n", o[0], o[1]);
            out.println("}};");
            out.println("// The class that patching writes into the work folder from its template.");
            out.printf("inline constexpr TemplateClass gameClass = {\"%s\", \"%s\"};%n",
                    GAME_CLASS.substring(PACKAGE.length()), game);
            out.println();
            out.println("}  // namespace templateLayout");
        }
    }

    /** Where a method's name_index ends, its descriptor_index, one attribute, and that the Code attribute. */
    private static byte[] recognition(Pin name, Pin descriptor) {
        return new byte[] {(byte) name.index(), (byte) (descriptor.index() >> 8), (byte) descriptor.index(), 0, 1,
            (byte) (CODE_NAME.index() >> 8), (byte) CODE_NAME.index()};
    }

    private static void printBytes(PrintWriter out, String name, byte[] bytes) {
        StringBuilder list = new StringBuilder();
        for (byte b : bytes) list.append(list.length() == 0 ? "" : ", ").append(String.format("0x%02X", b & 0xFF));
        out.printf("inline constexpr std::array<std::uint8_t, %d> %s = {%s};%n", bytes.length, name, list);
    }

    /** Every field and method reference of the game class's pool, as C++ data. */
    private static void writePoolHeader(ClassFile cf, Path header) throws IOException {
        Files.createDirectories(header.getParent());
        try (PrintWriter out = new PrintWriter(Files.newBufferedWriter(header))) {
            out.println("// Generated from thegc.dat by phone/tools/orbclass/MakeTemplates.java; do not edit.");
            out.println("// The constant-pool entries that package-mode listings may refer to.");
            out.println("#pragma once");
            out.println();
            out.println("#include \"template_pool_entry.h\"");
            out.println();
            out.println("inline constexpr TemplatePoolEntry templatePool[] = {");
            for (int i = 1; i < cf.pool.length; i++) {
                ClassFile.Entry e = cf.pool[i];
                if (e == null) continue;
                String kind;
                if (e.tag == ClassFile.FIELDREF) kind = "Field";
                else if (e.tag == ClassFile.METHODREF) kind = "Method";
                else if (e.tag == ClassFile.CLASS) kind = "Class";
                else continue;
                String owner = e.tag == ClassFile.CLASS ? cf.utf8(e.a) : cf.className(e.a);
                String name = "", descriptor = "";
                if (e.tag != ClassFile.CLASS) {
                    ClassFile.Entry nat = cf.pool[e.b];
                    name = cf.utf8(nat.a);
                    descriptor = cf.utf8(nat.b);
                }
                out.printf("    {PoolKind::%s, \"%s\", \"%s\", \"%s\", %d},%n", kind, owner, name, descriptor, i);
            }
            out.println("};");
        }
    }
}
