package orbhost;

import java.io.IOException;
import java.util.ArrayList;
import java.util.Enumeration;
import java.util.HashMap;
import java.util.List;
import java.util.Map;
import java.util.jar.JarEntry;
import java.util.jar.JarFile;
import orbclass.TypeCheckedCopy;

/**
 * Loads every class of a package with verification on: once as it is
 * (class version 48, checked by inference), and once with each CLDC
 * StackMap turned into an equivalent StackMapTable and the version raised to
 * 51, so the type-checking verifier checks the frames with no fallback.
 */
final class Verify {
    private Verify() {}

    static int verify(List<String> jars) throws IOException {
        int failures = 0;
        for (String jar : jars) {
            Map<String, byte[]> classes = readClasses(jar);
            Map<String, byte[]> typeChecked = new HashMap<>();
            for (Map.Entry<String, byte[]> e : classes.entrySet()) {
                try {
                    typeChecked.put(e.getKey(), TypeCheckedCopy.convert(e.getValue()));
                } catch (IOException | RuntimeException ex) {
                    System.out.println("FAIL " + jar + " " + e.getKey() + ": cannot convert: " + ex);
                    failures++;
                }
            }
            failures += load(jar, "as packaged", classes);
            failures += load(jar, "type-checked", typeChecked);
        }
        System.out.println(failures == 0 ? "verified" : failures + " failures");
        return failures == 0 ? 0 : 1;
    }

    private static Map<String, byte[]> readClasses(String jar) throws IOException {
        Map<String, byte[]> classes = new HashMap<>();
        try (JarFile file = new JarFile(jar)) {
            for (Enumeration<JarEntry> it = file.entries(); it.hasMoreElements(); ) {
                JarEntry e = it.nextElement();
                if (!e.getName().endsWith(".class")) continue;
                String name = e.getName().substring(0, e.getName().length() - 6).replace('/', '.');
                classes.put(name, file.getInputStream(e).readAllBytes());
            }
        }
        return classes;
    }

    private static int load(String jar, String how, Map<String, byte[]> classes) {
        ClassLoader loader = new ClassLoader(Verify.class.getClassLoader()) {
            @Override
            protected Class<?> findClass(String name) throws ClassNotFoundException {
                byte[] b = classes.get(name);
                if (b == null) throw new ClassNotFoundException(name);
                return defineClass(name, b, 0, b.length);
            }
        };
        int failures = 0;
        for (String name : new ArrayList<>(classes.keySet())) {
            try {
                // Initialising links the class, and linking verifies it.
                Class.forName(name, true, loader);
            } catch (Throwable t) {
                System.out.println("FAIL " + jar + " " + name + " (" + how + "): " + t);
                failures++;
            }
        }
        return failures;
    }
}
