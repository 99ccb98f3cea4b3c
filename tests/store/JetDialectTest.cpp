// SPDX-License-Identifier: MIT
#include "store/JetDialect.h"

#include <gtest/gtest.h>

namespace quorvel {

TEST(JetDialect, TranslatesPatternsAndModOnly) {
    struct Case {
        const char* jet;
        const char* sqlite;
    };
    for (const Case& c : {
             Case{"UPDATE [Lishi] SET [intTh]=([intTh] +1) WHERE [txtHisP6] LIKE \"*2X05*\"",
                  "UPDATE [Lishi] SET [intTh]=([intTh] +1) WHERE [txtHisP6] LIKE '%2X05%'"},
             Case{"UPDATE [Lishi] SET [intTh]=([intTh] +1) WHERE ([L7A] MOD 2) = 0",
                  "UPDATE [Lishi] SET [intTh]=([intTh] +1) WHERE ([L7A] % 2) = 0"},
             Case{"UPDATE [Lishi] SET [txtHisP6]= LEFT([txtHisLst],LEN([txtHisLst])-4)",
                  "UPDATE [Lishi] SET [txtHisP6]= JET_LEFT([txtHisLst],LEN([txtHisLst])-4)"},
             Case{"SELECT a FROM t LEFT JOIN u", "SELECT a FROM t LEFT JOIN u"},
             Case{"SELECT * FROM [lishi] WHERE [SQQH] >= 1 AND  [SQQH] <= 2 AND [bolOk]= TRUE ORDER BY [IDX]",
                  "SELECT * FROM [lishi] WHERE [SQQH] >= 1 AND  [SQQH] <= 2 AND [bolOk]= TRUE ORDER BY [IDX]"},
             Case{"SELECT [MODE] FROM t WHERE a LIKE \"it's?\" AND b = 'MOD'",
                  "SELECT [MODE] FROM t WHERE a LIKE 'it''s_' AND b = 'MOD'"},
         }) {
        EXPECT_EQ(translateJetSql(c.jet), c.sqlite);
    }
}

} // namespace quorvel
