package orbclass;

import java.io.ByteArrayOutputStream;
import java.io.DataInputStream;
import java.io.DataOutputStream;
import java.io.ByteArrayInputStream;
import java.io.IOException;
import java.util.ArrayList;
import java.util.List;

/**
 * Converts between the compressed StackMapTable frames that javac writes and
 * the CLDC StackMap, which lists every frame in full. Verification types are
 * encoded alike in both; a long or double is one entry covering two locals.
 */
final class StackMaps {
    private StackMaps() {}

    /** A verification type: the tag and, for Object and Uninitialized, its operand. */
    static final class Type {
        final int tag, operand;

        Type(int tag, int operand) {
            this.tag = tag;
            this.operand = operand;
        }

        void write(DataOutputStream out) throws IOException {
            out.writeByte(tag);
            if (tag == 7 || tag == 8) out.writeShort(operand);
        }

        static Type read(DataInputStream in) throws IOException {
            int tag = in.readUnsignedByte();
            return new Type(tag, tag == 7 || tag == 8 ? in.readUnsignedShort() : 0);
        }
    }

    static final class Frame {
        int offset;
        List<Type> locals = new ArrayList<>();
        List<Type> stack = new ArrayList<>();
    }

    /** The locals a method starts with, from its descriptor; Class entries are added as needed. */
    static List<Type> initialLocals(ClassFile cf, ClassFile.Member m) {
        List<Type> locals = new ArrayList<>();
        String name = cf.utf8(m.nameIndex);
        if ((m.access & 0x0008) == 0)
            locals.add(name.equals("<init>") ? new Type(6, 0) : new Type(7, cf.thisClass));
        String d = cf.utf8(m.descriptorIndex);
        int p = 1;
        while (d.charAt(p) != ')') {
            int start = p;
            while (d.charAt(p) == '[') p++;
            if (d.charAt(p) == 'L') p = d.indexOf(';', p);
            p++;
            String t = d.substring(start, p);
            switch (t.charAt(0)) {
                case 'I': case 'Z': case 'B': case 'C': case 'S': locals.add(new Type(1, 0)); break;
                case 'F': locals.add(new Type(2, 0)); break;
                case 'D': locals.add(new Type(3, 0)); break;
                case 'J': locals.add(new Type(4, 0)); break;
                default:
                    String internal = t.charAt(0) == 'L' ? t.substring(1, t.length() - 1) : t;
                    locals.add(new Type(7, classIndex(cf, internal)));
            }
        }
        return locals;
    }

    private static int classIndex(ClassFile cf, String internal) {
        int found = cf.findClass(internal);
        return found != 0 ? found : cf.add(new ClassFile.Entry(ClassFile.CLASS, cf.addUtf8(internal), 0, null));
    }

    /** Expands a StackMapTable body into full frames. */
    static List<Frame> expand(byte[] table, List<Type> initial) throws IOException {
        DataInputStream in = new DataInputStream(new ByteArrayInputStream(table));
        List<Frame> frames = new ArrayList<>();
        List<Type> locals = new ArrayList<>(initial);
        int offset = -1;
        int n = in.readUnsignedShort();
        for (int i = 0; i < n; i++) {
            int type = in.readUnsignedByte();
            Frame f = new Frame();
            int delta;
            if (type < 64) {
                delta = type;
            } else if (type < 128) {
                delta = type - 64;
                f.stack.add(Type.read(in));
            } else if (type == 247) {
                delta = in.readUnsignedShort();
                f.stack.add(Type.read(in));
            } else if (type >= 248 && type <= 250) {
                delta = in.readUnsignedShort();
                for (int k = 0; k < 251 - type; k++) locals.remove(locals.size() - 1);
            } else if (type == 251) {
                delta = in.readUnsignedShort();
            } else if (type >= 252 && type <= 254) {
                delta = in.readUnsignedShort();
                for (int k = 0; k < type - 251; k++) locals.add(Type.read(in));
            } else if (type == 255) {
                delta = in.readUnsignedShort();
                locals.clear();
                int nl = in.readUnsignedShort();
                for (int k = 0; k < nl; k++) locals.add(Type.read(in));
                int ns = in.readUnsignedShort();
                for (int k = 0; k < ns; k++) f.stack.add(Type.read(in));
            } else {
                throw new IOException("unknown frame type " + type);
            }
            offset += delta + 1;
            f.offset = offset;
            f.locals.addAll(locals);
            frames.add(f);
        }
        return frames;
    }

    /** Writes frames as a CLDC StackMap body. */
    static byte[] toStackMap(List<Frame> frames) throws IOException {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        DataOutputStream out = new DataOutputStream(bytes);
        out.writeShort(frames.size());
        for (Frame f : frames) {
            out.writeShort(f.offset);
            out.writeShort(f.locals.size());
            for (Type t : f.locals) t.write(out);
            out.writeShort(f.stack.size());
            for (Type t : f.stack) t.write(out);
        }
        return bytes.toByteArray();
    }

    /** Reads a CLDC StackMap body. */
    static List<Frame> readStackMap(byte[] body) throws IOException {
        DataInputStream in = new DataInputStream(new ByteArrayInputStream(body));
        List<Frame> frames = new ArrayList<>();
        int n = in.readUnsignedShort();
        for (int i = 0; i < n; i++) {
            Frame f = new Frame();
            f.offset = in.readUnsignedShort();
            int nl = in.readUnsignedShort();
            for (int k = 0; k < nl; k++) f.locals.add(Type.read(in));
            int ns = in.readUnsignedShort();
            for (int k = 0; k < ns; k++) f.stack.add(Type.read(in));
            frames.add(f);
        }
        return frames;
    }

    /** Writes frames as a StackMapTable body of full frames, for the desktop verifier. */
    static byte[] toStackMapTable(List<Frame> frames) throws IOException {
        ByteArrayOutputStream bytes = new ByteArrayOutputStream();
        DataOutputStream out = new DataOutputStream(bytes);
        out.writeShort(frames.size());
        int previous = -1;
        for (Frame f : frames) {
            if (f.offset <= previous) throw new IOException("frames out of order at " + f.offset);
            out.writeByte(255);
            out.writeShort(f.offset - previous - 1);
            previous = f.offset;
            out.writeShort(f.locals.size());
            for (Type t : f.locals) t.write(out);
            out.writeShort(f.stack.size());
            for (Type t : f.stack) t.write(out);
        }
        return bytes.toByteArray();
    }

    /** Replaces every Code attribute's StackMapTable with a StackMap (named by stackMapName). */
    static void convertMethods(ClassFile cf) throws IOException {
        int stackMapName = cf.addUtf8("StackMap");
        for (ClassFile.Member m : cf.methods) {
            for (ClassFile.Attribute a : m.attributes) {
                if (!cf.utf8(a.nameIndex).equals("Code")) continue;
                a.body = rewriteCode(cf, m, a.body, stackMapName);
            }
        }
    }

    private static byte[] rewriteCode(ClassFile cf, ClassFile.Member m, byte[] body, int stackMapName)
            throws IOException {
        ClassFile.Code c = ClassFile.parseCode(cf, body, "StackMapTable");
        if (c.stackMap != null) c.stackMap = toStackMap(expand(c.stackMap, initialLocals(cf, m)));
        return ClassFile.writeCode(c, stackMapName);
    }
}
