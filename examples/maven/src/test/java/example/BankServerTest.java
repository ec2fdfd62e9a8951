package example;

import static org.junit.jupiter.api.Assertions.assertArrayEquals;
import static org.junit.jupiter.api.Assertions.assertEquals;
import static org.junit.jupiter.api.Assertions.assertThrows;
import static org.junit.jupiter.api.Assertions.assertTrue;

import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.List;

import org.junit.jupiter.api.AfterAll;
import org.junit.jupiter.api.BeforeAll;
import org.junit.jupiter.api.Test;
import org.omg.CORBA.ORB;

import Bank.Account;
import Bank.Branch;
import Bank.BranchHelper;
import Bank.InsufficientFunds;
import Bank.NoSuchAccount;
import Cash.Currency;
import Cash.Money;
import Cash.MoneyHolder;

/**
 * Starts the bank server on loopback and calls it over IIOP from a second ORB; with
 * {@code -Dquorvex.tls=true}, over TLS only, both sides presenting certificates that keytool makes
 * in a temporary folder.
 */
class BankServerTest {
    private static ORB server;
    private static ORB client;
    private static Path keys;

    @BeforeAll
    static void start() throws Exception {
        List<String> serverArgs = new ArrayList<>(List.of("-ORBHost", "127.0.0.1", "-ORBPort", "0"));
        List<String> clientArgs = new ArrayList<>(List.of("-ORBHost", "127.0.0.1"));
        if (Boolean.getBoolean("quorvex.tls")) {
            keys = Files.createTempDirectory("bank-tls-");
            serverArgs.addAll(List.of("-ORBTlsPort", "0"));
            serverArgs.addAll(tls("server", "client"));
            clientArgs.addAll(tls("client", "server"));
            System.out.println("BankServerTest: over TLS, keys in " + keys);
        }
        server = ORB.init(serverArgs.toArray(new String[0]), null);
        Thread runner = new Thread(server::run, "bank server");
        runner.setDaemon(true);
        runner.start();
        client = ORB.init(clientArgs.toArray(new String[0]), null);
    }

    private static final String PASS = "example-pass";

    private static void keytool(String... args) throws Exception {
        List<String> cmd = new ArrayList<>(List.of(Path.of(System.getProperty("java.home"), "bin", "keytool").toString()));
        cmd.addAll(List.of(args));
        Process p = new ProcessBuilder(cmd).redirectErrorStream(true).start();
        String out = new String(p.getInputStream().readAllBytes());
        if (p.waitFor() != 0) throw new IllegalStateException("keytool failed: " + out);
    }

    /**
     * The TLS settings of one side: a key store with a self-signed certificate of its own, and a
     * trust store holding the peer's certificate (made when the peer's settings are).
     */
    private static List<String> tls(String self, String peer) throws Exception {
        for (String who : List.of(self, peer)) {
            Path store = keys.resolve(who + ".p12");
            if (Files.exists(store)) continue;
            keytool("-genkeypair", "-keyalg", "EC", "-groupname", "secp256r1", "-alias", who, "-dname",
                    "CN=bank " + who, "-validity", "2", "-keystore", store.toString(), "-storepass", PASS);
            keytool("-exportcert", "-rfc", "-alias", who, "-keystore", store.toString(), "-storepass", PASS, "-file",
                    keys.resolve(who + ".pem").toString());
        }
        Path trust = keys.resolve(self + "-trust.p12");
        keytool("-importcert", "-noprompt", "-alias", peer, "-file", keys.resolve(peer + ".pem").toString(),
                "-keystore", trust.toString(), "-storepass", PASS);
        return List.of("-ORBTlsKeyStore", keys.resolve(self + ".p12").toString(), "-ORBTlsKeyStorePassword", PASS,
                       "-ORBTlsTrustStore", trust.toString(), "-ORBTlsTrustStorePassword", PASS);
    }

    @AfterAll
    static void stop() throws Exception {
        if (client != null) client.shutdown(true);
        if (server != null) server.shutdown(true);
        if (keys != null) {
            try (java.util.stream.Stream<Path> files = Files.list(keys)) {
                for (Path f : (Iterable<Path>) files::iterator) Files.delete(f);
            }
            Files.delete(keys);
        }
    }

    /** A new branch on the server, as the client sees it through its reference. */
    private static Branch branch() {
        String reference = BankServer.serve(server);
        assertTrue(reference.startsWith("IOR:"), reference);
        return BranchHelper.narrow(client.string_to_object(reference));
    }

    @Test
    void accountsAndTransfers() throws Exception {
        Branch branch = branch();
        Account ada = branch.open("Ada", Currency.EUR);
        Account bob = branch.open("Bob", Currency.EUR);
        assertEquals("Ada", ada.owner());
        assertEquals(bob.number(), branch.find(bob.number()).number());

        ada.deposit(new Money(10_000, Currency.EUR));
        MoneyHolder remaining = new MoneyHolder();
        branch.transfer(ada.number(), bob.number(), new Money(2_500, Currency.EUR), remaining);
        assertEquals(7_500, remaining.value.cents);
        assertEquals(Currency.EUR, remaining.value.currency);
        assertEquals(2_500, bob.balance().cents);

        bob.frozen(true);
        assertTrue(bob.frozen());
        branch.audit("checked");
        assertArrayEquals(new String[] {"Ada", "Bob"},
                          java.util.Arrays.stream(branch.accounts()).map(Account::owner).toArray());
    }

    @Test
    void clientsWithoutCertificatesOnlyWithoutTls() throws Exception {
        String reference = BankServer.serve(server);
        ORB plain = ORB.init(new String[] {"-ORBHost", "127.0.0.1"}, null);
        try {
            Branch branch = BranchHelper.narrow(plain.string_to_object(reference));
            if (keys != null) assertThrows(org.omg.CORBA.NO_PERMISSION.class, () -> branch.open("Eve", Currency.EUR));
            else assertEquals("Eve", branch.open("Eve", Currency.EUR).owner());
        } finally {
            plain.destroy();
        }
    }

    @Test
    void failuresReachTheClient() throws Exception {
        Branch branch = branch();
        Account poor = branch.open("Carol", Currency.GBP);
        poor.deposit(new Money(100, Currency.GBP));
        InsufficientFunds refused = assertThrows(InsufficientFunds.class,
                                                 () -> poor.withdraw(new Money(500, Currency.GBP)));
        assertEquals(100, refused.balance.cents);
        assertEquals(500, refused.requested.cents);
        NoSuchAccount missing = assertThrows(NoSuchAccount.class, () -> branch.find(4_000));
        assertEquals(4_000, missing.number);
        assertThrows(NoSuchAccount.class,
                     () -> branch.transfer(poor.number(), 4_000, new Money(1, Currency.GBP), new MoneyHolder()));
        assertEquals(100, poor.balance().cents);
    }
}
