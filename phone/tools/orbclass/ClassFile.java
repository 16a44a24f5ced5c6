package orbclass;

import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.IOException;
import java.io.ByteArrayInputStream;
import java.util.ArrayList;
import java.util.List;

/**
 * A class file held as parsed parts, enough to move constant-pool entries,
 * rewrite stack maps and change the version. Attributes we do not understand
 * are dropped on reading: the phone needs none of them.
 */
final class ClassFile {
    static final int UTF8 = 1, INTEGER = 3, FLOAT = 4, LONG = 5, DOUBLE = 6, CLASS = 7, STRING = 8,
            FIELDREF = 9, METHODREF = 10, INTERFACE_METHODREF = 11, NAME_AND_TYPE = 12;

    /** One constant-pool entry; a and b are indices into the pool, raw holds numbers and text. */
    static final class Entry {
        int tag;
        int a, b;
        byte[] raw;

        Entry(int tag, int a, int b, byte[] raw) {
            this.tag = tag;
            this.a = a;
            this.b = b;
            this.raw = raw;
        }

        boolean wide() { return tag == LONG || tag == DOUBLE; }
    }

    static final class Attribute {
        int nameIndex;
        byte[] body;

        Attribute(int nameIndex, byte[] body) {
            this.nameIndex = nameIndex;
            this.body = body;
        }
    }

    static final class Member {
        int access, nameIndex, descriptorIndex;
        List<Attribute> attributes = new ArrayList<>();
    }

    /** The parts of a Code attribute; stackMap is the CLDC StackMap body, or null. */
    static final class Code {
        int maxStack, maxLocals;
        byte[] code;
        byte[] exceptionTable;   // raw, 8 bytes per handler
        byte[] stackMap;
    }

    int minor, major;
    Entry[] pool;                // index 0 and the upper halves of wide entries are null
    int access, thisClass, superClass;
    int[] interfaces;
    List<Member> fields = new ArrayList<>();
    List<Member> methods = new ArrayList<>();

    // ---- reading ----

    static ClassFile read(byte[] bytes) throws IOException {
        DataInputStream in = new DataInputStream(new ByteArrayInputStream(bytes));
        if (in.readInt() != 0xCAFEBABE) throw new IOException("not a class file");
        ClassFile cf = new ClassFile();
        cf.minor = in.readUnsignedShort();
        cf.major = in.readUnsignedShort();
        int count = in.readUnsignedShort();
        cf.pool = new Entry[count];
        for (int i = 1; i < count; i++) {
            int tag = in.readUnsignedByte();
            Entry e;
            switch (tag) {
                case UTF8: {
                    byte[] text = new byte[in.readUnsignedShort()];
                    in.readFully(text);
                    e = new Entry(tag, 0, 0, text);
                    break;
                }
                case INTEGER: case FLOAT: {
                    byte[] v = new byte[4];
                    in.readFully(v);
                    e = new Entry(tag, 0, 0, v);
                    break;
                }
                case LONG: case DOUBLE: {
                    byte[] v = new byte[8];
                    in.readFully(v);
                    e = new Entry(tag, 0, 0, v);
                    break;
                }
                case CLASS: case STRING:
                    e = new Entry(tag, in.readUnsignedShort(), 0, null);
                    break;
                case FIELDREF: case METHODREF: case INTERFACE_METHODREF: case NAME_AND_TYPE:
                    e = new Entry(tag, in.readUnsignedShort(), in.readUnsignedShort(), null);
                    break;
                default:
                    throw new IOException("constant tag " + tag + " has no place on the phone");
            }
            cf.pool[i] = e;
            if (e.wide()) i++;
        }
        cf.access = in.readUnsignedShort();
        cf.thisClass = in.readUnsignedShort();
        cf.superClass = in.readUnsignedShort();
        cf.interfaces = new int[in.readUnsignedShort()];
        for (int i = 0; i < cf.interfaces.length; i++) cf.interfaces[i] = in.readUnsignedShort();
        cf.fields = readMembers(cf, in);
        cf.methods = readMembers(cf, in);
        int classAttributes = in.readUnsignedShort();
        for (int i = 0; i < classAttributes; i++) readAttribute(in);   // source file, inner classes: not needed
        return cf;
    }

    private static List<Member> readMembers(ClassFile cf, DataInputStream in) throws IOException {
        List<Member> list = new ArrayList<>();
        int n = in.readUnsignedShort();
        for (int i = 0; i < n; i++) {
            Member m = new Member();
            m.access = in.readUnsignedShort();
            m.nameIndex = in.readUnsignedShort();
            m.descriptorIndex = in.readUnsignedShort();
            int attributes = in.readUnsignedShort();
            for (int k = 0; k < attributes; k++) {
                Attribute a = readAttribute(in);
                String name = cf.utf8(a.nameIndex);
                if (name.equals("Code") || name.equals("ConstantValue") || name.equals("Exceptions"))
                    m.attributes.add(a);
            }
            list.add(m);
        }
        return list;
    }

    private static Attribute readAttribute(DataInputStream in) throws IOException {
        int name = in.readUnsignedShort();
        byte[] body = new byte[in.readInt()];
        in.readFully(body);
        return new Attribute(name, body);
    }

    String utf8(int index) {
        Entry e = pool[index];
        if (e == null || e.tag != UTF8) throw new IllegalStateException("entry " + index + " is not text");
        return new String(e.raw, java.nio.charset.StandardCharsets.UTF_8);
    }

    String className(int index) { return utf8(pool[index].a); }

    int findUtf8(String text) {
        for (int i = 1; i < pool.length; i++)
            if (pool[i] != null && pool[i].tag == UTF8 && utf8(i).equals(text)) return i;
        return 0;
    }

    int findClass(String name) {
        for (int i = 1; i < pool.length; i++)
            if (pool[i] != null && pool[i].tag == CLASS && className(i).equals(name)) return i;
        return 0;
    }

    /** Appends an entry and returns its index. */
    int add(Entry e) {
        int index = pool.length;
        Entry[] grown = java.util.Arrays.copyOf(pool, pool.length + (e.wide() ? 2 : 1));
        grown[index] = e;
        pool = grown;
        return index;
    }

    int addUtf8(String text) {
        int found = findUtf8(text);
        return found != 0 ? found : add(new Entry(UTF8, 0, 0, text.getBytes(java.nio.charset.StandardCharsets.UTF_8)));
    }

    // ---- Code attributes ----

    /** A Code attribute with its CLDC StackMap; a StackMapTable must have been converted before. */
    static Code parseCode(ClassFile cf, byte[] body) throws IOException {
        return parseCode(cf, body, "StackMap");
    }

    /** A Code attribute whose stack map is the raw body of its attribute named mapName. */
    static Code parseCode(ClassFile cf, byte[] body, String mapName) throws IOException {
        DataInputStream in = new DataInputStream(new ByteArrayInputStream(body));
        Code c = new Code();
        c.maxStack = in.readUnsignedShort();
        c.maxLocals = in.readUnsignedShort();
        c.code = new byte[in.readInt()];
        in.readFully(c.code);
        c.exceptionTable = new byte[in.readUnsignedShort() * 8];
        in.readFully(c.exceptionTable);
        int n = in.readUnsignedShort();
        for (int i = 0; i < n; i++) {
            Attribute a = readAttribute(in);
            String name = cf.utf8(a.nameIndex);
            if (name.equals(mapName)) c.stackMap = a.body;
            else if (name.startsWith("StackMap")) throw new IOException(name + " must be converted first");
        }
        return c;
    }

    static byte[] writeCode(Code c, int stackMapName) throws IOException {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        DataOutputStream out = new DataOutputStream(bytes);
        out.writeShort(c.maxStack);
        out.writeShort(c.maxLocals);
        out.writeInt(c.code.length);
        out.write(c.code);
        out.writeShort(c.exceptionTable.length / 8);
        out.write(c.exceptionTable);
        if (c.stackMap != null) {
            out.writeShort(1);
            out.writeShort(stackMapName);
            out.writeInt(c.stackMap.length);
            out.write(c.stackMap);
        } else {
            out.writeShort(0);
        }
        return bytes.toByteArray();
    }

    // ---- writing ----

    byte[] write() throws IOException {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        DataOutputStream out = new DataOutputStream(bytes);
        out.writeInt(0xCAFEBABE);
        out.writeShort(minor);
        out.writeShort(major);
        out.writeShort(pool.length);
        for (int i = 1; i < pool.length; i++) {
            Entry e = pool[i];
            out.writeByte(e.tag);
            switch (e.tag) {
                case UTF8: out.writeShort(e.raw.length); out.write(e.raw); break;
                case INTEGER: case FLOAT: case LONG: case DOUBLE: out.write(e.raw); break;
                case CLASS: case STRING: out.writeShort(e.a); break;
                default: out.writeShort(e.a); out.writeShort(e.b); break;
            }
            if (e.wide()) i++;
        }
        out.writeShort(access);
        out.writeShort(thisClass);
        out.writeShort(superClass);
        out.writeShort(interfaces.length);
        for (int i : interfaces) out.writeShort(i);
        writeMembers(out, fields);
        writeMembers(out, methods);
        out.writeShort(0);
        return bytes.toByteArray();
    }

    private static void writeMembers(DataOutputStream out, List<Member> members) throws IOException {
        out.writeShort(members.size());
        for (Member m : members) {
            out.writeShort(m.access);
            out.writeShort(m.nameIndex);
            out.writeShort(m.descriptorIndex);
            out.writeShort(m.attributes.size());
            for (Attribute a : m.attributes) {
                out.writeShort(a.nameIndex);
                out.writeInt(a.body.length);
                out.write(a.body);
            }
        }
    }

    // ---- bytecode walking ----

    /** Length of the instruction at pc (switches depend on their alignment). */
    static int instructionLength(byte[] code, int pc) {
        int op = code[pc] & 0xFF;
        switch (op) {
            case 0xAA: {   // tableswitch
                int p = (pc + 4) & ~3;
                int low = readInt(code, p + 4), high = readInt(code, p + 8);
                return p + 12 + (high - low + 1) * 4 - pc;
            }
            case 0xAB: {   // lookupswitch
                int p = (pc + 4) & ~3;
                return p + 8 + readInt(code, p + 4) * 8 - pc;
            }
            case 0xC4:     // wide
                return (code[pc + 1] & 0xFF) == 0x84 ? 6 : 4;
            default:
                int n = LENGTHS[op];
                if (n == 0) throw new IllegalStateException("unknown opcode " + op);
                return n;
        }
    }

    /** Size of the constant-pool operand at pc+1: 1 for ldc, 2 for the others, 0 for none. */
    static int poolOperand(int op) {
        if (op == 0x12) return 1;
        if (op == 0x13 || op == 0x14 || (op >= 0xB2 && op <= 0xB9) || op == 0xBB || op == 0xBD
                || op == 0xC0 || op == 0xC1 || op == 0xC5) return 2;
        return 0;
    }

    // Instruction lengths by opcode; 0 marks switches, wide, invokedynamic and unused codes.
    private static final int[] LENGTHS = new int[256];
    static {
        java.util.Arrays.fill(LENGTHS, 0x00, 0xCA, 1);
        LENGTHS[0x10] = 2; LENGTHS[0x11] = 3; LENGTHS[0x12] = 2; LENGTHS[0x13] = 3; LENGTHS[0x14] = 3;
        java.util.Arrays.fill(LENGTHS, 0x15, 0x1A, 2);
        java.util.Arrays.fill(LENGTHS, 0x36, 0x3B, 2);
        LENGTHS[0x84] = 3;
        java.util.Arrays.fill(LENGTHS, 0x99, 0xA9, 3);
        LENGTHS[0xA9] = 2; LENGTHS[0xAA] = 0; LENGTHS[0xAB] = 0;
        java.util.Arrays.fill(LENGTHS, 0xB2, 0xB9, 3);
        LENGTHS[0xB9] = 5; LENGTHS[0xBA] = 0; LENGTHS[0xBB] = 3; LENGTHS[0xBC] = 2; LENGTHS[0xBD] = 3;
        LENGTHS[0xC0] = 3; LENGTHS[0xC1] = 3; LENGTHS[0xC4] = 0; LENGTHS[0xC5] = 4;
        LENGTHS[0xC6] = 3; LENGTHS[0xC7] = 3; LENGTHS[0xC8] = 5; LENGTHS[0xC9] = 5;
    }

    static int readInt(byte[] b, int p) {
        return ((b[p] & 0xFF) << 24) | ((b[p + 1] & 0xFF) << 16) | ((b[p + 2] & 0xFF) << 8) | (b[p + 3] & 0xFF);
    }

    static int readU2(byte[] b, int p) { return ((b[p] & 0xFF) << 8) | (b[p + 1] & 0xFF); }

    static void writeU2(byte[] b, int p, int v) {
        b[p] = (byte) (v >> 8);
        b[p + 1] = (byte) v;
    }
}
