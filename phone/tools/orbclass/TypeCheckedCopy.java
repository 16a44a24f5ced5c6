package orbclass;

import java.io.IOException;
import java.nio.charset.StandardCharsets;
import java.util.ArrayList;
import java.util.List;

/**
 * A copy of a phone class for the desktop's type-checking verifier: each
 * CLDC StackMap becomes a StackMapTable of full frames, and the version 51,
 * from which on the verifier does not fall back to inference.
 */
public final class TypeCheckedCopy {
    private TypeCheckedCopy() {}

    public static byte[] convert(byte[] bytes) throws IOException {
        ClassFile cf = ClassFile.read(bytes);
        List<ClassFile.Attribute> codes = new ArrayList<>();
        List<ClassFile.Code> parsed = new ArrayList<>();
        for (ClassFile.Member m : cf.methods)
            for (ClassFile.Attribute a : m.attributes)
                if (cf.utf8(a.nameIndex).equals("Code")) {
                    codes.add(a);
                    parsed.add(ClassFile.parseCode(cf, a.body));
                }
        // The attribute keeps its pool entry; only the entry's text changes.
        int name = cf.addUtf8("StackMap");
        cf.pool[name].raw = "StackMapTable".getBytes(StandardCharsets.UTF_8);
        for (int i = 0; i < codes.size(); i++) {
            ClassFile.Code c = parsed.get(i);
            if (c.stackMap != null) c.stackMap = StackMaps.toStackMapTable(StackMaps.readStackMap(c.stackMap));
            codes.get(i).body = ClassFile.writeCode(c, name);
        }
        cf.major = 51;
        return cf.write();
    }
}
